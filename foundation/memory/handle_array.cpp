// HandleArray creation, resizing, insertion and deletion over host memory handles.
#include "foundation/memory/handle_array.h"

#include <cstring>
#include <limits>
#include <vector>

#include "foundation/binding/binding.h"
#include "foundation/memory/handle_array_block.h"

namespace foundation {

namespace detail {

HandleArrayHeader readHeader(xt::Handle array)
{
    HandleArrayHeader header{};
    std::memcpy(&header, *array, sizeof header);
    return header;
}

void writeHeader(xt::Handle array, const HandleArrayHeader& header)
{
    std::memcpy(*array, &header, sizeof header);
}

char* elements(xt::Handle array, const HandleArrayHeader& header)
{
    return *array + kHandleArrayHeaderSize + header.extraHeader;
}

bool usable(xt::Handle array)
{
    return array && *array;
}

} // namespace detail

namespace {

using detail::elements;
using detail::readHeader;
using detail::usable;
using detail::writeHeader;

uint32_t capacityFor(uint32_t count, uint32_t step)
{
    return count == 0 ? 0 : step * ((count - 1) / step + 1);
}

/// Resizes with the block unlocked, then puts its lock state back; false on a memory error.
bool resizeBlock(xt::Handle array, const HandleArrayHeader& header, uint32_t capacity)
{
    const int64_t bytes = int64_t{kHandleArrayHeaderSize} + header.extraHeader + int64_t{capacity} * header.elementSize;
    if (bytes > std::numeric_limits<int32_t>::max())
        return false;
    const uint8_t state = xt::calls::GetHandleState(array);
    xt::calls::UnlockHandle(array);
    xt::calls::SetHandleSize(array, static_cast<int32_t>(bytes));
    const int16_t error = xt::calls::GetMemoryError();
    xt::calls::SetHandleState(array, state);
    return error == 0;
}

} // namespace

xt::Handle HandleArrayNew(uint16_t elementSize, int16_t initialSize, uint16_t growthStep)
{
    if (elementSize == 0 || initialSize < kHandleArrayHeaderSize)
        return nullptr;
    xt::Handle array = xt::calls::NewHandle(initialSize);
    if (!usable(array))
        return nullptr;
    HandleArrayHeader header = readHeader(array); // the reserved word stays as allocated
    header.count = 0;
    header.spare = 0;
    header.elementSize = elementSize;
    header.extraHeader = static_cast<uint16_t>(initialSize - kHandleArrayHeaderSize);
    header.growthStep = growthStep == 0 ? 1 : growthStep;
    // Small elements grow by at least 32 bytes at a time.
    if (32 / elementSize > header.growthStep)
        header.growthStep = static_cast<uint16_t>(32 / elementSize);
    writeHeader(array, header);
    return array;
}

xt::Handle HandleArrayCopy(xt::Handle array)
{
    if (!usable(array))
        return nullptr;
    xt::Handle copy = array;
    if (xt::calls::CopyHandle(&copy) != 0 || copy == array || !usable(copy))
        return nullptr;
    return copy;
}

int32_t HandleArraySetCount(xt::Handle array, uint16_t count)
{
    if (!usable(array))
        return 0;
    HandleArrayHeader header = readHeader(array);
    if (header.growthStep == 0)
        header.growthStep = 1;
    const uint32_t capacity = capacityFor(count, header.growthStep);
    if (capacity != uint32_t{header.count} + header.spare && !resizeBlock(array, header, capacity))
        return 0;
    header.count = count;
    header.spare = static_cast<uint16_t>(capacity - count);
    writeHeader(array, header);
    return 1;
}

int32_t HandleArrayInsert(xt::Handle array, const void* element, uint16_t index)
{
    if (!usable(array))
        return 0;
    const HandleArrayHeader before = readHeader(array);
    if (before.count == kHandleArrayMaxCount || index > before.count)
        return 0;
    // The element may lie inside the block, which the resize can move.
    std::vector<char> copy;
    if (element)
        copy.assign(static_cast<const char*>(element), static_cast<const char*>(element) + before.elementSize);
    if (!HandleArraySetCount(array, static_cast<uint16_t>(before.count + 1)))
        return 0;
    const HandleArrayHeader header = readHeader(array);
    char* base = elements(array, header);
    const size_t size = header.elementSize;
    if (index < before.count)
        std::memmove(base + (size_t{index} + 1) * size, base + size_t{index} * size, (before.count - size_t{index}) * size);
    if (element)
        std::memcpy(base + size_t{index} * size, copy.data(), size);
    return 1;
}

uint16_t HandleArrayAppend(xt::Handle array, const void* element)
{
    const uint16_t index = HandleArrayCount(array);
    if (!HandleArrayInsert(array, element, index))
        return kHandleArrayNoIndex;
    return index;
}

int32_t HandleArrayDelete(xt::Handle array, uint16_t index)
{
    if (!usable(array))
        return 0;
    HandleArrayHeader header = readHeader(array);
    if (index >= header.count)
        return 0;
    char* base = elements(array, header);
    const size_t size = header.elementSize;
    std::memmove(base + size_t{index} * size, base + (size_t{index} + 1) * size, (header.count - size_t{index} - 1) * size);
    const uint16_t count = static_cast<uint16_t>(header.count - 1);
    if (HandleArraySetCount(array, count))
        return 1;
    // Shrinking may not fail the delete: keep the larger block and count its extra slots as spare.
    const uint32_t capacity = uint32_t{header.count} + header.spare;
    header.count = count;
    header.spare = static_cast<uint16_t>(capacity - count);
    writeHeader(array, header);
    return 1;
}

uint16_t HandleArrayCount(xt::Handle array)
{
    return usable(array) ? readHeader(array).count : 0;
}

void* HandleArrayElement(xt::Handle array, uint16_t index)
{
    if (!usable(array))
        return nullptr;
    const HandleArrayHeader header = readHeader(array);
    if (index >= header.count)
        return nullptr;
    return elements(array, header) + size_t{index} * header.elementSize;
}

HandleArrayHeader HandleArrayHeaderOf(xt::Handle array)
{
    return usable(array) ? readHeader(array) : HandleArrayHeader{};
}

} // namespace foundation
