// Rounding and conversion of Fixed values, as tables of cases.
#include <gtest/gtest.h>

#include <limits>

#include "foundation/numbers/fixed_math.h"

namespace foundation {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

struct MultipleCase {
    int32_t value;
    int32_t step;
    int32_t expected;
};

TEST(RoundToMultiple, RoundsToTheNearestMultipleAndHalfDown)
{
    const MultipleCase cases[] = {
        {7, 2, 6},       // a remainder of exactly half a step rounds down
        {8, 3, 9},       // more than half rounds up
        {7, 3, 6},
        {-7, 4, -4},     // negative values always round toward zero
        {-7, 2, -6},
        {-11, 4, -8},    // even with more than half a step
        {0, 5, 0},
        {12, 4, 12},
        {7, -2, 6},      // a negative step rounds like its size
        {7, 0, 7},       // no step: the value stays
        {kMax, 0x8000, kMax},  // the rounded-up result stops at the top of the range
        {kMin, 0x10000, kMin},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundToMultiple(c.value, c.step), c.expected) << c.value << " to " << c.step;
}

struct FontCase {
    Fixed size;
    Fixed step;
    Fixed expected;
};

TEST(RoundFontSize, SnapsToTheStepWithTheHalfPointRule)
{
    const FontCase cases[] = {
        {0xC4000, 0x8000, 0xC0000},  // 12.25 pt stays 12 pt
        {0xC8000, 0x8000, 0xC8000},  // 12.5 pt stays 12.5 pt
        {0xCCCCC, 0x8000, 0xD0000},  // 12.8 pt becomes 13 pt
        {0xA4000, 0x8000, 0xA0000},  // 10.25 pt becomes 10 pt
        {0xAC000, 0x8000, 0xA8000},  // 10.75 pt becomes 10.5 pt
        {0xAC28F, 0x8000, 0xB0000},  // 10.76 pt becomes 11 pt
        {0xA4001, 0x8000, 0xA8000},  // just above a quarter point goes to the half point
        {0xA6666, 0x10000, 0xA0000}, // other steps round to their multiple: 10.4 pt to 10 pt
        {0xA8000, 0x10000, 0xA0000}, // half a whole-point step rounds down
        {0xAA000, 0x4000, 0xA8000},  // 10.625 pt to a quarter point: half a step rounds down
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundFontSizeTo(c.size, c.step), c.expected) << std::hex << c.size << " step " << c.step;
}

TEST(DoubleToFixed, TruncatesTowardZero)
{
    const struct {
        double value;
        Fixed expected;
    } cases[] = {
        {-1.5, -0x18000},
        {1.5, 0x18000},
        {0.99999999, 0xFFFF},     // truncated, not rounded
        {-0.99999999, -0xFFFF},
        {100.25, 0x644000},
        {1e12, kMax},             // past the range: the nearest end
        {-1e12, kMin},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DoubleToFixed(c.value), c.expected) << c.value;
}

TEST(FixedToInt, RoundsTowardMinusInfinity)
{
    EXPECT_EQ(FixedToInt(-0x8000), -1);
    EXPECT_EQ(FixedToInt(0x18000), 1);
    EXPECT_EQ(FixedToInt(-0x10000), -1);
    EXPECT_EQ(FixedToInt(0), 0);
}

TEST(FixedAbs, GivesTheSizeAndStopsAtTheTop)
{
    EXPECT_EQ(FixedAbs(-0x18000), 0x18000);
    EXPECT_EQ(FixedAbs(0x18000), 0x18000);
    EXPECT_EQ(FixedAbs(kMin), kMax);  // the lowest value has no positive twin
}

} // namespace
} // namespace foundation
