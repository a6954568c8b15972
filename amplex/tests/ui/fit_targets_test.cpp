// The "Fit to" sizes worked out without a window.
#include <gtest/gtest.h>

#include "amplex/ui/fit_targets.h"

namespace amplex::ui {
namespace {

constexpr Fixed pt(int32_t value)
{
    return value * xt::kFixedOne;
}

TEST(FitTargetsTest, EntriesGiveTheirWantedSizes)
{
    const PageGeometry page{pt(612), pt(792), pt(36), pt(36), pt(36), pt(36), 3, pt(12), 2};
    const Size reference{pt(504), pt(288)};
    struct Case {
        int32_t choice;
        bool constrain;
        Size expected;
    };
    const Case cases[] = {
        {1, false, {pt(612), pt(792)}},
        {2, false, {pt(1224), pt(792)}},
        {3, false, {pt(1242), pt(810)}},
        {4, false, {pt(172), pt(288)}},   // (540 - 2 x 12) / 3
        {5, false, {pt(356), pt(288)}},
        {6, false, {pt(504), pt(360)}},
        {12, false, {pt(252), pt(144)}},
        {12, true, {pt(252), pt(144)}},  // both ratios are 1/2
        {13, true, {0x76FE78, pt(68)}},  // the height's ratio is the smaller one
        {4, true, {pt(172), 0x6248A0}},  // the height follows the width's ratio
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.choice);
        const Size wanted = selectionFitTarget(row.choice, page, reference, row.constrain);
        EXPECT_EQ(wanted.width, row.expected.width);
        EXPECT_EQ(wanted.height, row.expected.height);
    }
}

TEST(FitTargetsTest, AZeroReferenceOrColumnCountNeverDividesByZero)
{
    const PageGeometry page{pt(612), pt(792), 0, 0, 0, 0, 0, pt(12), 1};
    const Size line{pt(100), 0};
    EXPECT_EQ(selectionFitTarget(4, page, line, true).width, pt(612));
    EXPECT_EQ(selectionFitTarget(13, page, line, true).height, pt(68));
}

TEST(FitTargetsTest, PapersAndLinesComeFromTheirTables)
{
    EXPECT_EQ(paperFitTarget(6).width, pt(684));
    EXPECT_EQ(paperFitTarget(6).height, pt(297));
    EXPECT_EQ(paperFitTarget(7).width, 0);
    EXPECT_EQ(fitToLine(FitToEntries::Paper, 3), "Fit to A4 Letter");
    EXPECT_EQ(fitToLine(FitToEntries::Selection, 5), "Fit to Double column");
    EXPECT_EQ(fitToLine(FitToEntries::Selection, 14), "");
}

} // namespace
} // namespace amplex::ui
