// Relocatable memory blocks behind host handles and GlobalAlloc: blocks really move when they grow.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "win32/internal.h"
#include "win32/standin.h"
#include "win32/windows.h"

namespace win32 {
namespace {

/// The master pointer comes first, so the handle is the block record's address.
struct Block {
    char* data = nullptr;
    int32_t size = 0;
    uint8_t state = 0;
    ~Block() { std::free(data); }
};
static_assert(offsetof(Block, data) == 0);

struct MemoryState {
    std::unordered_map<xt::Handle, std::unique_ptr<Block>> blocks;
    std::unordered_set<void*> pointers;
    int16_t error = kMemoryOk;
    int32_t failCountdown = 0;
    bool moveOnEveryResize = false;

    ~MemoryState()
    {
        for (void* pointer : pointers)
            std::free(pointer);
    }
};

MemoryState& memory()
{
    static MemoryState state;
    return state;
}

/// Counts an allocation against a planned failure.
bool allocationRefused()
{
    auto& state = memory();
    if (state.failCountdown <= 0)
        return false;
    return --state.failCountdown == 0;
}

/// A zero-filled allocation of at least one byte, or null.
char* allocate(int32_t size)
{
    if (allocationRefused() || size > kMaxBlockSize)
        return nullptr;
    return static_cast<char*>(std::calloc(static_cast<size_t>(size > 0 ? size : 1), 1));
}

Block* findBlock(xt::Handle handle)
{
    auto& state = memory();
    if (!handle) {
        state.error = kNilHandle;
        return nullptr;
    }
    auto found = state.blocks.find(handle);
    if (found == state.blocks.end()) {
        state.error = kBadHandle;
        return nullptr;
    }
    return found->second.get();
}

bool moveBlock(Block& block, int32_t size)
{
    char* moved = allocate(size);
    if (!moved) {
        memory().error = kMemoryFull;
        return false;
    }
    std::memcpy(moved, block.data, static_cast<size_t>(size < block.size ? size : block.size));
    std::free(block.data);
    block.data = moved;
    block.size = size;
    return true;
}

} // namespace

xt::Handle newHandle(int32_t size)
{
    auto& state = memory();
    if (size < 0) {
        state.error = kBadSize;
        return nullptr;
    }
    char* data = allocate(size);
    if (!data) {
        state.error = kMemoryFull;
        return nullptr;
    }
    auto block = std::make_unique<Block>();
    block->data = data;
    block->size = size;
    xt::Handle handle = &block->data;
    state.blocks.emplace(handle, std::move(block));
    state.error = kMemoryOk;
    return handle;
}

void disposeHandle(xt::Handle handle)
{
    if (!findBlock(handle))
        return;
    memory().blocks.erase(handle);
    memory().error = kMemoryOk;
}

int32_t handleSize(xt::Handle handle)
{
    Block* block = findBlock(handle);
    if (!block)
        return -1;
    memory().error = kMemoryOk;
    return block->size;
}

bool setHandleSize(xt::Handle handle, int32_t size)
{
    Block* block = findBlock(handle);
    if (!block)
        return false;
    auto& state = memory();
    if (size < 0) {
        state.error = kBadSize;
        return false;
    }
    const bool locked = (block->state & kHandleLocked) != 0;
    const bool grows = size > block->size;
    if (locked && grows) {
        state.error = kMemoryFull;
        return false;
    }
    if (!locked && (grows || state.moveOnEveryResize)) {
        if (!moveBlock(*block, size))
            return false;
    } else {
        // A shrinking block keeps its place; the bytes past the new size are no longer the caller's.
        block->size = size;
    }
    state.error = kMemoryOk;
    return true;
}

void lockHandle(xt::Handle handle)
{
    if (Block* block = findBlock(handle)) {
        block->state |= kHandleLocked;
        memory().error = kMemoryOk;
    }
}

void unlockHandle(xt::Handle handle)
{
    if (Block* block = findBlock(handle)) {
        block->state &= static_cast<uint8_t>(~kHandleLocked);
        memory().error = kMemoryOk;
    }
}

uint8_t handleState(xt::Handle handle)
{
    Block* block = findBlock(handle);
    if (!block)
        return 0;
    memory().error = kMemoryOk;
    return block->state;
}

void setHandleState(xt::Handle handle, uint8_t state)
{
    if (Block* block = findBlock(handle)) {
        block->state = state;
        memory().error = kMemoryOk;
    }
}

bool isHandle(xt::Handle handle)
{
    return handle && memory().blocks.count(handle) != 0;
}

xt::Handle copyHandle(xt::Handle handle)
{
    Block* block = findBlock(handle);
    if (!block)
        return nullptr;
    const int32_t size = block->size;
    xt::Handle copy = newHandle(size);
    if (!copy)
        return nullptr;
    // The source cannot have moved: a new handle never moves other blocks.
    std::memcpy(*copy, block->data, static_cast<size_t>(size));
    return copy;
}

char* newPointer(int32_t size)
{
    auto& state = memory();
    if (size < 0) {
        state.error = kBadSize;
        return nullptr;
    }
    char* pointer = allocate(size);
    if (!pointer) {
        state.error = kMemoryFull;
        return nullptr;
    }
    state.pointers.insert(pointer);
    state.error = kMemoryOk;
    return pointer;
}

void disposePointer(void* pointer)
{
    auto& state = memory();
    if (!pointer || state.pointers.erase(pointer) == 0) {
        state.error = pointer ? kBadHandle : kNilHandle;
        return;
    }
    std::free(pointer);
    state.error = kMemoryOk;
}

int16_t memoryError()
{
    return memory().error;
}

void setMemoryError(int16_t error)
{
    memory().error = error;
}

void failAllocation(int32_t n)
{
    memory().failCountdown = n > 0 ? n : 0;
}

void setMoveOnEveryResize(bool on)
{
    memory().moveOnEveryResize = on;
}

size_t liveHandleCount()
{
    return memory().blocks.size();
}

} // namespace win32

extern "C" HGLOBAL GlobalAlloc(UINT /*flags*/, SIZE_T bytes)
{
    // Every block is movable and zero-filled, whatever the flags ask: the plug-ins only ask for that.
    if (bytes > static_cast<SIZE_T>(win32::kMaxBlockSize)) {
        win32::detail::setLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    HGLOBAL handle = win32::newHandle(static_cast<int32_t>(bytes));
    if (!handle)
        win32::detail::setLastError(ERROR_NOT_ENOUGH_MEMORY);
    return handle;
}

extern "C" HGLOBAL GlobalFree(HGLOBAL memory)
{
    if (!memory)
        return nullptr;
    if (!win32::isHandle(memory)) {
        win32::detail::setLastError(ERROR_INVALID_HANDLE);
        return memory;
    }
    win32::disposeHandle(memory);
    return nullptr;
}
