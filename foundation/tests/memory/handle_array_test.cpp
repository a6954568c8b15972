// HandleArray on real host handles, run against a std::vector that says what the array must hold.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "foundation/tests/memory/handle_array_fixture.h"

namespace foundation_test {
namespace {

struct NewCase {
    uint16_t elementSize;
    int16_t initialSize;
    uint16_t growth;
    bool made;
    uint16_t step;
    uint16_t extraHeader;
};

const NewCase kNewCases[] = {
    {262, 12, 0, true, 1, 0},    // a preset list
    {2, 12, 4, true, 16, 0},     // small elements grow by 32 bytes at least
    {4, 12, 0, true, 8, 0},
    {4, 12, 20, true, 20, 0},    // a larger step is kept
    {40, 20, 3, true, 3, 8},     // caller data between the header and the elements
    {0, 12, 1, false, 0, 0},     // no element size
    {4, 11, 1, false, 0, 0},     // smaller than the header
    {4, -1, 1, false, 0, 0},
};

TEST_F(HandleArrayTest, NewSetsTheStepAndRefusesArgumentsThatMakeNoArray)
{
    for (const NewCase& c : kNewCases) {
        xt::Handle array = make(c.elementSize, c.initialSize, c.growth);
        ASSERT_EQ(array != nullptr, c.made) << c.elementSize << "/" << c.initialSize;
        if (!array)
            continue;
        const HandleArrayHeader h = header(array);
        EXPECT_EQ(h.count, 0);
        EXPECT_EQ(h.spare, 0);
        EXPECT_EQ(h.elementSize, c.elementSize);
        EXPECT_EQ(h.growthStep, c.step);
        EXPECT_EQ(h.extraHeader, c.extraHeader);
        EXPECT_EQ(win32::handleSize(array), c.initialSize);
    }
    host().faults().failNth("NewHandle", 1);
    EXPECT_EQ(make(4), nullptr) << "the host has no memory";
}

enum class Op { Append, Insert, Delete };

struct Step {
    Op op;
    uint16_t index;   // Insert, Delete
    uint32_t value;   // Append, Insert
    int32_t result;   // what the call returns
};

/// Applies one step to the reference vector as the array must.
void applyToReference(const Step& step, std::vector<uint32_t>& reference)
{
    switch (step.op) {
    case Op::Append:
        reference.push_back(step.value);
        return;
    case Op::Insert:
        if (step.result == 1)
            reference.insert(reference.begin() + step.index, step.value);
        return;
    case Op::Delete:
        if (step.result == 1)
            reference.erase(reference.begin() + step.index);
        return;
    }
}

const Step kSteps[] = {
    {Op::Append, 0, 10, 0},
    {Op::Append, 0, 20, 1},
    {Op::Insert, 0, 5, 1},        // at the front
    {Op::Insert, 3, 30, 1},       // at the end (index == count)
    {Op::Insert, 5, 99, 0},       // past the count: refused
    {Op::Insert, 2, 15, 1},       // in the middle
    {Op::Delete, 0, 0, 1},
    {Op::Delete, 3, 0, 1},        // the last one
    {Op::Delete, 3, 0, 0},        // past the count: refused
    {Op::Append, 0, 40, 3},
    {Op::Append, 0, 50, 4},
    {Op::Append, 0, 60, 5},
    {Op::Append, 0, 70, 6},
    {Op::Append, 0, 80, 7},
    {Op::Append, 0, 90, 8},       // the ninth element takes a second step of 8
    {Op::Delete, 1, 0, 1},
};

TEST_F(HandleArrayTest, OperationsKeepTheArrayEqualToAReferenceVector)
{
    xt::Handle array = make(4);
    std::vector<uint32_t> reference;
    for (const Step& step : kSteps) {
        int32_t result = 0;
        switch (step.op) {
        case Op::Append:
            result = api().handleArrayAppend(array, &step.value);
            break;
        case Op::Insert:
            result = api().handleArrayInsert(array, &step.value, step.index);
            break;
        case Op::Delete:
            result = api().handleArrayDelete(array, step.index);
            break;
        }
        EXPECT_EQ(result, step.result) << "step with value " << step.value << " index " << step.index;
        applyToReference(step, reference);
        ASSERT_EQ(contents(array), reference) << "after value " << step.value << " index " << step.index;
        expectBlockFitsCapacity(array);
    }
}

TEST_F(HandleArrayTest, TheBlockGrowsAndShrinksByWholeSteps)
{
    xt::Handle array = make(4); // step 8: 32 bytes of elements at a time
    const uint32_t value = 7;
    api().handleArrayAppend(array, &value);
    EXPECT_EQ(win32::handleSize(array), 12 + 32);
    for (int i = 0; i < 8; ++i)
        api().handleArrayAppend(array, &value);
    EXPECT_EQ(win32::handleSize(array), 12 + 64);
    api().handleArrayDelete(array, 0);
    EXPECT_EQ(win32::handleSize(array), 12 + 32);
    EXPECT_EQ(api().handleArraySetCount(array, 0), 1);
    EXPECT_EQ(win32::handleSize(array), 12);
    EXPECT_EQ(header(array).spare, 0);
}

TEST_F(HandleArrayTest, AResizeKeepsTheLockStateItFound)
{
    xt::Handle array = make(4);
    win32::lockHandle(array);
    const uint32_t value = 1;
    ASSERT_EQ(api().handleArrayAppend(array, &value), 0);
    EXPECT_EQ(win32::handleState(array) & win32::kHandleLocked, win32::kHandleLocked);

    win32::unlockHandle(array);
    api().handleArraySort(array, &compareWords);
    uint16_t index = 0;
    api().handleArraySearch(array, &value, &compareWords, &index);
    EXPECT_EQ(win32::handleState(array) & win32::kHandleLocked, 0);
}

TEST_F(HandleArrayTest, AFailedResizeLeavesTheArrayAsItWas)
{
    xt::Handle array = make(4);
    for (uint32_t v = 0; v < 8; ++v)
        api().handleArrayAppend(array, &v);
    const std::vector<uint32_t> before = contents(array);

    const uint32_t extra = 8;
    host().faults().failNth("SetHandleSize", 1);
    EXPECT_EQ(api().handleArrayAppend(array, &extra), kHandleArrayNoIndex);
    EXPECT_EQ(contents(array), before);
    host().faults().failNth("SetHandleSize", 1);
    EXPECT_EQ(api().handleArrayInsert(array, &extra, 0), 0);
    EXPECT_EQ(contents(array), before);
    host().faults().failNth("SetHandleSize", 1);
    EXPECT_EQ(api().handleArraySetCount(array, 20), 0);
    EXPECT_EQ(contents(array), before);
    expectBlockFitsCapacity(array);
}

TEST_F(HandleArrayTest, ADeleteWhoseShrinkFailsStillRemovesTheElement)
{
    xt::Handle array = make(4);
    for (uint32_t v = 0; v < 9; ++v) // two steps: deleting one shrinks the block
        api().handleArrayAppend(array, &v);
    host().faults().failNth("SetHandleSize", 1);
    EXPECT_EQ(api().handleArrayDelete(array, 2), 1);
    EXPECT_EQ(contents(array), (std::vector<uint32_t>{0, 1, 3, 4, 5, 6, 7, 8}));
    const HandleArrayHeader h = header(array);
    EXPECT_EQ(h.count + h.spare, 16) << "the larger block is kept and counted";
    expectBlockFitsCapacity(array);
}

TEST_F(HandleArrayTest, DeleteRefusesAnEmptyArray)
{
    xt::Handle array = make(4);
    EXPECT_EQ(api().handleArrayDelete(array, 0), 0);
    EXPECT_EQ(header(array).count, 0);
    EXPECT_EQ(win32::handleSize(array), 12);
}

TEST_F(HandleArrayTest, AFullArrayRefusesOneMore)
{
    xt::Handle array = make(1, 12, 256);
    ASSERT_EQ(api().handleArraySetCount(array, 0xFFFF), 1);
    const uint8_t value = 1;
    EXPECT_EQ(api().handleArrayInsert(array, &value, 0), 0);
    EXPECT_EQ(api().handleArrayAppend(array, &value), kHandleArrayNoIndex);
    EXPECT_EQ(header(array).count, 0xFFFF);
}

TEST_F(HandleArrayTest, InsertingWithoutAnElementKeepsTheSlotsOldBytes)
{
    xt::Handle array = make(4);
    const uint32_t values[] = {1, 2, 0xCAFE};
    for (uint32_t v : values)
        api().handleArrayAppend(array, &v);
    api().handleArraySetCount(array, 2); // same step: no resize, the third slot keeps its bytes
    ASSERT_EQ(api().handleArrayInsert(array, nullptr, 2), 1);
    EXPECT_EQ(contents(array), (std::vector<uint32_t>{1, 2, 0xCAFE}));
}

TEST_F(HandleArrayTest, ACopyHoldsTheWholeBlock)
{
    xt::Handle array = make(4, 16);
    std::memcpy(*array + 12, "DATA", 4); // caller data in the extra header
    for (uint32_t v = 0; v < 3; ++v)
        api().handleArrayAppend(array, &v);
    xt::Handle copy = copyOf(array);
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, array);
    ASSERT_EQ(win32::handleSize(copy), win32::handleSize(array));
    EXPECT_EQ(std::memcmp(*copy, *array, static_cast<size_t>(win32::handleSize(array))), 0);

    host().faults().failNth("CopyHandle", 1);
    EXPECT_EQ(copyOf(array), nullptr);
}

} // namespace
} // namespace foundation_test
