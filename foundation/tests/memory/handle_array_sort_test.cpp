// HandleArray's sort and binary search: element widths, equal keys, whole comparator results, long arrays.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "foundation/tests/memory/handle_array_fixture.h"

namespace foundation_test {
namespace {

using HandleArraySortTest = HandleArrayTest;

int32_t compareHalfWords(const void* a, const void* b)
{
    uint16_t x = 0;
    uint16_t y = 0;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    return int32_t{x} - int32_t{y};
}

/// Returns the 32-bit difference: multiples of 0x10000 have a low half of 0, which a 16-bit reading would take for "equal".
int32_t compareByDifference(const void* a, const void* b)
{
    int32_t x = 0;
    int32_t y = 0;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    return x - y;
}

using Element = std::vector<char>;

uint32_t keyOf(const Element& element)
{
    uint32_t key = 0;
    std::memcpy(&key, element.data(), std::min<size_t>(sizeof key, element.size()));
    return key;
}

/// Random elements of `size` bytes whose first bytes hold a small key, so that many keys repeat.
std::vector<Element> randomElements(uint16_t size, int count, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<Element> elements;
    for (int i = 0; i < count; ++i) {
        Element element(size);
        for (char& c : element)
            c = static_cast<char>(random());
        const auto key = static_cast<uint32_t>(random() % 50);
        std::memcpy(element.data(), &key, std::min<size_t>(sizeof key, size));
        elements.push_back(element);
    }
    return elements;
}

std::vector<Element> elementsOf(xt::Handle array)
{
    HandleArrayHeader h{};
    std::memcpy(&h, *array, sizeof h);
    std::vector<Element> elements;
    for (uint16_t i = 0; i < h.count; ++i) {
        const char* element = *array + 12 + size_t{i} * h.elementSize;
        elements.emplace_back(element, element + h.elementSize);
    }
    return elements;
}

TEST_F(HandleArraySortTest, SortOrdersElementsOfEverySwapWidth)
{
    // 2 and 4 bytes swap as words; 262 through one buffer chunk; 600 through three.
    const uint16_t sizes[] = {2, 4, 262, 600};
    const int counts[] = {0, 1, 2, 3, 17, 300};
    uint32_t seed = 1;
    for (uint16_t size : sizes) {
        for (int count : counts) {
            xt::Handle array = make(size, 12, 1);
            std::vector<Element> reference = randomElements(size, count, seed++);
            for (const Element& element : reference)
                ASSERT_NE(api().handleArrayAppend(array, element.data()), kHandleArrayNoIndex);
            api().handleArraySort(array, size >= 4 ? &compareWords : &compareHalfWords);
            std::vector<Element> sorted = elementsOf(array);
            EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(),
                [](const Element& a, const Element& b) { return keyOf(a) < keyOf(b); }))
                << "size " << size << " count " << count;
            // Only whole elements move: the same elements, in another order.
            std::sort(reference.begin(), reference.end());
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(sorted, reference) << "size " << size << " count " << count;
        }
    }
}

TEST_F(HandleArraySortTest, SortReadsTheComparatorsWholeResult)
{
    xt::Handle array = make(4);
    const int32_t values[] = {0x30000, -0x20000, 0x10000, 0, 0x50000};
    for (int32_t v : values)
        api().handleArrayAppend(array, &v);
    api().handleArraySort(array, &compareByDifference);
    std::vector<uint32_t> expected = {static_cast<uint32_t>(-0x20000), 0, 0x10000, 0x30000, 0x50000};
    EXPECT_EQ(contents(array), expected);
}

struct SearchCase {
    uint32_t key;
    bool found;
    uint16_t index;
};

TEST_F(HandleArraySortTest, SearchFindsAnElementOrWhereItWouldGo)
{
    xt::Handle array = make(4);
    uint16_t index = 99;
    EXPECT_FALSE(api().handleArraySearch(array, &index, &compareWords, &index));
    EXPECT_EQ(index, 0) << "an empty array";

    for (uint32_t v : {10u, 20u, 30u, 40u})
        api().handleArrayAppend(array, &v);
    const SearchCase cases[] = {
        {10, true, 0}, {40, true, 3}, {30, true, 2},
        {5, false, 0},   // before every element
        {25, false, 2},
        {50, false, 4},  // past every element: the count
    };
    for (const SearchCase& c : cases) {
        index = 99;
        EXPECT_EQ(api().handleArraySearch(array, &c.key, &compareWords, &index), c.found) << c.key;
        EXPECT_EQ(index, c.index) << c.key;
    }
}

TEST_F(HandleArraySortTest, SearchWorksPastThirtyTwoThousandElements)
{
    xt::Handle array = make(4, 12, 1024);
    ASSERT_EQ(api().handleArraySetCount(array, 40000), 1);
    for (uint32_t i = 0; i < 40000; ++i) {
        const uint32_t value = i * 2;
        std::memcpy(*array + 12 + i * sizeof value, &value, sizeof value);
    }
    const SearchCase cases[] = {{79998, true, 39999}, {70000, true, 35000}, {79999, false, 40000}, {80000, false, 40000}};
    for (const SearchCase& c : cases) {
        uint16_t index = 0;
        EXPECT_EQ(api().handleArraySearch(array, &c.key, &compareWords, &index), c.found) << c.key;
        EXPECT_EQ(index, c.index) << c.key;
    }
}

} // namespace
} // namespace foundation_test
