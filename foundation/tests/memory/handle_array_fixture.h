// A probe host for HandleArray tests: arrays made through the probe and freed after each test.
#pragma once

#include <cstring>
#include <vector>

#include "foundation/memory/handle_array.h"
#include "foundation/tests/probe_fixture.h"
#include "win32/standin.h"

namespace foundation_test {

using foundation::HandleArrayHeader;
using foundation::kHandleArrayNoIndex;

class HandleArrayTest : public ProbeTest {
protected:
    void TearDown() override
    {
        for (xt::Handle handle : m_handles)
            api().disposeHandle(handle);
        ProbeTest::TearDown();
    }

    xt::Handle make(uint16_t elementSize, int16_t initialSize = 12, uint16_t growth = 0)
    {
        xt::Handle array = api().handleArrayNew(elementSize, initialSize, growth);
        if (array)
            m_handles.push_back(array);
        return array;
    }

    xt::Handle copyOf(xt::Handle array)
    {
        xt::Handle copy = api().handleArrayCopy(array);
        if (copy)
            m_handles.push_back(copy);
        return copy;
    }

    static HandleArrayHeader header(xt::Handle array)
    {
        HandleArrayHeader h{};
        std::memcpy(&h, *array, sizeof h);
        return h;
    }

    static std::vector<uint32_t> contents(xt::Handle array)
    {
        const HandleArrayHeader h = header(array);
        std::vector<uint32_t> values(h.count);
        std::memcpy(values.data(), *array + 12 + h.extraHeader, values.size() * sizeof(uint32_t));
        return values;
    }

    /// The block holds exactly its capacity, and the capacity is a whole number of steps.
    static void expectBlockFitsCapacity(xt::Handle array)
    {
        const HandleArrayHeader h = header(array);
        const int32_t capacity = h.count + h.spare;
        EXPECT_EQ(capacity % h.growthStep, 0);
        EXPECT_EQ(win32::handleSize(array), 12 + h.extraHeader + capacity * h.elementSize);
    }

private:
    std::vector<xt::Handle> m_handles;
};

inline int32_t compareWords(const void* a, const void* b)
{
    uint32_t x = 0;
    uint32_t y = 0;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    return x < y ? -1 : (x > y ? 1 : 0);
}

} // namespace foundation_test
