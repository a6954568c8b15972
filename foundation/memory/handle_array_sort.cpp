// HandleArray's quicksort and binary search, run with the block locked.
#include <algorithm>
#include <cstring>

#include "foundation/binding/binding.h"
#include "foundation/memory/handle_array.h"
#include "foundation/memory/handle_array_block.h"

namespace foundation {

namespace {

constexpr size_t kSwapChunk = 256;

/// The sort's working state, passed down the recursion so that sorts never share it.
struct SortRun {
    char* base;
    size_t size;
    HandleArrayComparator compare;

    char* at(int32_t index) const { return base + static_cast<size_t>(index) * size; }
    int32_t compareAt(int32_t a, int32_t b) const { return compare(at(a), at(b)); }
};

template <class Word>
void swapWords(char* a, char* b)
{
    Word x;
    Word y;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    std::memcpy(a, &y, sizeof y);
    std::memcpy(b, &x, sizeof x);
}

void swapElements(const SortRun& run, int32_t a, int32_t b)
{
    char* first = run.at(a);
    char* second = run.at(b);
    if (run.size == 2)
        return swapWords<uint16_t>(first, second);
    if (run.size == 4)
        return swapWords<uint32_t>(first, second);
    char buffer[kSwapChunk];
    for (size_t done = 0; done < run.size; done += kSwapChunk) {
        const size_t chunk = std::min(kSwapChunk, run.size - done);
        std::memcpy(buffer, first + done, chunk);
        std::memcpy(first + done, second + done, chunk);
        std::memcpy(second + done, buffer, chunk);
    }
}

/// Partitions [lo, hi) around the element at lo; returns where the scan from the right stopped.
int32_t partition(const SortRun& run, int32_t lo, int32_t hi)
{
    int32_t i = lo;
    int32_t j = hi;
    for (;;) {
        ++i;
        while (i < hi && run.compareAt(i, lo) < 0)
            ++i;
        --j;
        while (j > lo && run.compareAt(j, lo) > 0)
            --j;
        if (i >= j)
            return j;
        swapElements(run, i, j);
    }
}

/// Recursing only on the smaller part keeps the depth near log2(count).
void quicksort(const SortRun& run, int32_t lo, int32_t hi)
{
    while (hi - lo > 1) {
        const int32_t j = partition(run, lo, hi);
        if (j == lo) {
            ++lo;
            continue;
        }
        swapElements(run, lo, j);
        if (j - lo < hi - j - 1) {
            quicksort(run, lo, j);
            lo = j + 1;
        } else {
            quicksort(run, j + 1, hi);
            hi = j;
        }
    }
}

} // namespace

int32_t HandleArraySort(xt::Handle array, HandleArrayComparator compare)
{
    if (!detail::usable(array) || !compare)
        return 1;
    const uint8_t state = xt::calls::GetHandleState(array);
    xt::calls::LockHandle(array);
    const HandleArrayHeader header = detail::readHeader(array);
    const SortRun run{detail::elements(array, header), header.elementSize, compare};
    quicksort(run, 0, header.count);
    xt::calls::SetHandleState(array, state);
    return 1;
}

bool HandleArraySearch(xt::Handle array, const void* key, HandleArrayComparator compare, uint16_t* index)
{
    if (!detail::usable(array) || !compare) {
        if (index)
            *index = 0;
        return false;
    }
    const uint8_t state = xt::calls::GetHandleState(array);
    xt::calls::LockHandle(array);
    const HandleArrayHeader header = detail::readHeader(array);
    const char* base = detail::elements(array, header);
    // 32-bit bounds: a 16-bit lo + hi would overflow past 32,768 elements.
    int32_t lo = 0;
    int32_t hi = header.count;
    bool found = false;
    while (lo < hi) {
        const int32_t mid = (lo + hi - 1) / 2;
        const int32_t r = compare(key, base + static_cast<size_t>(mid) * header.elementSize);
        if (r == 0) {
            lo = mid;
            found = true;
            break;
        }
        if (r < 0)
            hi = mid;
        else
            lo = mid + 1;
    }
    xt::calls::SetHandleState(array, state);
    if (index)
        *index = static_cast<uint16_t>(lo);
    return found;
}

} // namespace foundation
