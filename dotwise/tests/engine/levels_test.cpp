// Levels from indents, with Auto indent on and off, and the indents each shift gives.
#include <gtest/gtest.h>

#include "dotwise/engine/levels.h"

namespace dotwise {
namespace {

constexpr xt::Fixed pt(int32_t points)
{
    return points * xt::kFixedOne;
}

TEST(LevelForIndentTest, FirstLevelWhoseIndentIsNotSmaller)
{
    ListSettings settings = defaultListSettings();
    EXPECT_EQ(LevelForIndent(settings, 0), 0);
    EXPECT_EQ(LevelForIndent(settings, pt(36)), 1);
    EXPECT_EQ(LevelForIndent(settings, pt(40)), 2);
    EXPECT_EQ(LevelForIndent(settings, pt(144)), 4);
    EXPECT_EQ(LevelForIndent(settings, pt(500)), 4);
    settings.autoIndent = 0;
    EXPECT_EQ(LevelForIndent(settings, 0), 1);  // Auto indent off: one deeper
    EXPECT_EQ(LevelForIndent(settings, pt(108)), 4);
    EXPECT_EQ(LevelForIndent(settings, pt(144)), 4);
}

struct ShiftCase {
    ShiftMode mode;
    int32_t left;
    int32_t right;
    int32_t newLeft;
    int32_t newRight;
    int16_t level;
};

constexpr ShiftCase kShifts[] = {
    {ShiftIn, 0, 0, 36, 36, 1},
    {ShiftIn, 36, 36, 72, 72, 2},
    {ShiftIn, 144, 144, 180, 180, 4},  // past level 4 by its step again
    {ShiftIn, 180, 180, 216, 216, 4},
    {ShiftForMarker, 10, 0, 72, 72, 2},
    {ShiftOut, 72, 72, 36, 36, 1},
    {ShiftOut, 36, 36, 0, 0, 0},
    {ShiftOut, 0, 12, 0, 0, 0},
    {ShiftToZero, 108, 108, 0, 0, 3},
};

TEST(ShiftIndentsTest, EachModeFromEachLevel)
{
    const ListSettings settings = defaultListSettings();
    for (const ShiftCase& c : kShifts) {
        const ShiftedIndents shifted = shiftIndents(settings, c.mode, pt(c.left), pt(c.right));
        EXPECT_EQ(shifted.left, pt(c.newLeft)) << "mode " << c.mode << " from " << c.left;
        EXPECT_EQ(shifted.right, pt(c.newRight)) << "mode " << c.mode << " from " << c.left;
        EXPECT_EQ(shifted.level, c.level) << "mode " << c.mode << " from " << c.left;
    }
}

} // namespace
} // namespace dotwise
