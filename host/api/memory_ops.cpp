// Memory handles, pointers and 16.16 fixed-point arithmetic, over the Windows layer's memory manager.
#include <cstdint>
#include <limits>

#include "host/api/operation_areas.h"
#include "win32/standin.h"

namespace host::api {
namespace {

void DisposeHandle(xt::Handle handle)
{
    win32::disposeHandle(handle);
}

int32_t GetHandleSize(xt::Handle handle)
{
    return win32::handleSize(handle);
}

void SetHandleSize(xt::Handle handle, int32_t size)
{
    win32::setHandleSize(handle, size);
}

/// Replaces the caller's handle with a new handle holding a copy of the block.
int16_t CopyHandle(xt::Handle* handle)
{
    if (!handle)
        return win32::kNilHandle;
    xt::Handle copy = win32::copyHandle(*handle);
    if (!copy)
        return win32::memoryError();
    *handle = copy;
    return 0;
}

void LockHandle(xt::Handle handle)
{
    win32::lockHandle(handle);
}

void UnlockHandle(xt::Handle handle)
{
    win32::unlockHandle(handle);
}

uint8_t GetHandleState(xt::Handle handle)
{
    return win32::handleState(handle);
}

void SetHandleState(xt::Handle handle, uint8_t state)
{
    win32::setHandleState(handle, state);
}

int16_t GetMemoryError()
{
    return win32::memoryError();
}

char* NewPointer(int32_t size)
{
    return win32::newPointer(size);
}

void DisposePointer(void* pointer)
{
    win32::disposePointer(pointer);
}

xt::Fixed saturate(int64_t value)
{
    constexpr int64_t kMax = std::numeric_limits<xt::Fixed>::max();
    constexpr int64_t kMin = std::numeric_limits<xt::Fixed>::min();
    return static_cast<xt::Fixed>(value > kMax ? kMax : (value < kMin ? kMin : value));
}

/// Divides, rounding to the nearest value (halves away from zero).
int64_t divideRounded(int64_t numerator, int64_t denominator)
{
    const bool negative = (numerator < 0) != (denominator < 0);
    const int64_t n = numerator < 0 ? -numerator : numerator;
    const int64_t d = denominator < 0 ? -denominator : denominator;
    const int64_t quotient = (n + d / 2) / d;
    return negative ? -quotient : quotient;
}

/// The product rounded to the nearest 1/65536, saturated to the Fixed range.
xt::Fixed FixedMultiply(xt::Fixed a, xt::Fixed b)
{
    return saturate(divideRounded(static_cast<int64_t>(a) * b, xt::kFixedOne));
}

/// The quotient rounded to the nearest 1/65536; division by zero saturates to the largest value of
/// the dividend's sign instead of trapping.
xt::Fixed FixedDivide(xt::Fixed a, xt::Fixed b)
{
    if (b == 0)
        return a < 0 ? std::numeric_limits<xt::Fixed>::min() : std::numeric_limits<xt::Fixed>::max();
    return saturate(divideRounded(static_cast<int64_t>(a) * xt::kFixedOne, b));
}

xt::Handle NewHandle(int32_t size)
{
    return win32::newHandle(size);
}

/// A plain handle for a block the caller hands to a host call (the tab stops of SetTextRunAttribute,
/// which the host copies).
xt::Handle AllocateHandle1869(int32_t size)
{
    return win32::newHandle(size);
}

// Injected failures leave every block as it was and report a full memory, as real failures would.
void failSetHandleSize(xt::Handle, int32_t)
{
    win32::setMemoryError(win32::kMemoryFull);
}

xt::Handle failNewHandle(int32_t)
{
    win32::setMemoryError(win32::kMemoryFull);
    return nullptr;
}

char* failNewPointer(int32_t)
{
    win32::setMemoryError(win32::kMemoryFull);
    return nullptr;
}

int16_t failCopyHandle(xt::Handle*)
{
    win32::setMemoryError(win32::kMemoryFull);
    return win32::kMemoryFull;
}

} // namespace

void registerMemoryOperations(OperationRegistry& registry)
{
    registry.add<xt::op::DisposeHandle, &DisposeHandle>();
    registry.add<xt::op::GetHandleSize, &GetHandleSize>();
    registry.add<xt::op::SetHandleSize, &SetHandleSize, &failSetHandleSize>();
    registry.add<xt::op::AllocateHandle1869, &AllocateHandle1869, &failNewHandle>();
    registry.add<xt::op::CopyHandle, &CopyHandle, &failCopyHandle>();
    registry.add<xt::op::LockHandle, &LockHandle>();
    registry.add<xt::op::UnlockHandle, &UnlockHandle>();
    registry.add<xt::op::GetHandleState, &GetHandleState>();
    registry.add<xt::op::SetHandleState, &SetHandleState>();
    registry.add<xt::op::GetMemoryError, &GetMemoryError>();
    registry.add<xt::op::NewPointer, &NewPointer, &failNewPointer>();
    registry.add<xt::op::DisposePointer, &DisposePointer>();
    registry.add<xt::op::FixedMultiply, &FixedMultiply>();
    registry.add<xt::op::FixedDivide, &FixedDivide>();
    registry.add<xt::op::NewHandle, &NewHandle, &failNewHandle>();
}

} // namespace host::api
