// HandleArray: a growable array of fixed-size elements in one relocatable host memory block.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace foundation {

/// The block starts with this header (16-bit words, little-endian); the caller's extra header bytes
/// and then the elements follow. Capacity = count + spare, always a multiple of the growth step.
struct HandleArrayHeader {
    uint16_t count;
    uint16_t spare;
    uint16_t elementSize;
    uint16_t extraHeader;
    uint16_t growthStep;
    uint16_t reserved;
};
static_assert(offsetof(HandleArrayHeader, count) == 0);
static_assert(offsetof(HandleArrayHeader, spare) == 2);
static_assert(offsetof(HandleArrayHeader, elementSize) == 4);
static_assert(offsetof(HandleArrayHeader, extraHeader) == 6);
static_assert(offsetof(HandleArrayHeader, growthStep) == 8);
static_assert(offsetof(HandleArrayHeader, reserved) == 10);
static_assert(sizeof(HandleArrayHeader) == 12);

inline constexpr int32_t kHandleArrayHeaderSize = sizeof(HandleArrayHeader);
inline constexpr uint16_t kHandleArrayNoIndex = 0xFFFF;
inline constexpr uint16_t kHandleArrayMaxCount = 0xFFFF;

/// Negative when `a` sorts before `b`, 0 when equal, positive after. Only the sign counts, so a
/// comparator may return any difference.
using HandleArrayComparator = int32_t (*)(const void* a, const void* b);

/// A new empty array, or null when the host has no memory or the arguments make no array
/// (element size 0, an initial size below the 12-byte header).
xt::Handle HandleArrayNew(uint16_t elementSize, int16_t initialSize, uint16_t growthStep);

/// A copy of the whole block, or null when the host cannot copy it.
xt::Handle HandleArrayCopy(xt::Handle array);

/// 1, or 0 when the block could not be resized (the array is then unchanged).
int32_t HandleArraySetCount(xt::Handle array, uint16_t count);

/// Inserts a copy of `element` (or, when null, the slot's old bytes) at `index` <= count.
/// 1, or 0 when the array is full, the index lies past the count or growing failed.
int32_t HandleArrayInsert(xt::Handle array, const void* element, uint16_t index);

/// The new element's index, or 0xFFFF on failure.
uint16_t HandleArrayAppend(xt::Handle array, const void* element);

/// Removes the element at `index`; 1, or 0 when there is no such element.
int32_t HandleArrayDelete(xt::Handle array, uint16_t index);

/// Sorts in place (an unstable quicksort); 1.
int32_t HandleArraySort(xt::Handle array, HandleArrayComparator compare);

/// Binary search of an array sorted by `compare`. Writes the index of a match, or on a miss the
/// index at which the key would keep the array sorted.
bool HandleArraySearch(xt::Handle array, const void* key, HandleArrayComparator compare, uint16_t* index);

/// The number of elements; 0 for a null handle.
uint16_t HandleArrayCount(xt::Handle array);

/// The element at `index`, or null past the count. Valid until the next resize or host allocation
/// unless the block is locked.
void* HandleArrayElement(xt::Handle array, uint16_t index);

/// The header as it stands in the block (a copy, so the block may move afterwards).
HandleArrayHeader HandleArrayHeaderOf(xt::Handle array);

} // namespace foundation
