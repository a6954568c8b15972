// The palette's scale command: factors from percentages, sizes and "Fit to" entries, and the
// refusals that leave the document as it was.
#include <functional>

#include "amplex/tests/commands_fixture.h"

namespace amplex::testing {
namespace {

using host::model::testdoc::addBox;

constexpr char kImproper[] = "Improper scaling number! Must be greater than zero.";
constexpr char kOffPasteboard[] = "Can't scale items off pasteboard!";
constexpr char kMayScaleOff[] = "Items may scale off pasteboard on some pages.";

TEST_F(CommandTest, PercentScalesTheSelectionInOneUndoableStep)
{
    const int32_t box = addBox(layout(), 0, rect(100, 100, 200, 300)).ref();
    select({box});
    setFactors(0.75, 0.75);
    settings().ScaleFrom = FromUpperLeftOfSelection;

    m_commands->scaleWithSettings();

    EXPECT_TRUE(sameRect(boundsOf(box), rect(100, 100, 175, 250)));
    EXPECT_EQ(m_host->undoText(), "Undo Amplex");
    EXPECT_TRUE(messageTexts().empty());
}

struct RefusalCase {
    const char* what;
    std::function<void(ScaleSettings&)> set;
};

TEST_F(CommandTest, AnUnusableFactorShowsItsMessageAndChangesNothing)
{
    const RefusalCase cases[] = {
        {"zero percent", [](ScaleSettings& s) { s.HorizontalFactor = 0; }},
        {"negative percent", [](ScaleSettings& s) { s.VerticalFactor = -pt(0.5); }},
        // A target width with no target height asks for a height of nothing.
        {"size without height", [](ScaleSettings& s) {
            s.ScaleByPercent = 0;
            s.TargetWidth = pt(300);
            s.TargetHeight = 0;
        }},
    };
    const int32_t box = addBox(layout(), 0, rect(100, 100, 200, 300)).ref();
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.what);
        select({box});
        setFactors(0.75, 0.75);
        settings().ScaleByPercent = 1;
        c.set(settings());
        const std::string before = saved();
        const size_t shown = messageTexts().size();

        m_commands->scaleWithSettings();

        ASSERT_EQ(messageTexts().size(), shown + 1);
        EXPECT_EQ(messageTexts().back(), kImproper);
        EXPECT_EQ(saved(), before);
        EXPECT_EQ(m_host->undoText(), "");
    }
}

TEST_F(CommandTest, ARefusalKeepsTheUndoOfTheScaleBefore)
{
    const int32_t box = addBox(layout(), 0, rect(100, 100, 200, 300)).ref();
    select({box});
    setFactors(0.5, 0.5);
    m_commands->scaleWithSettings();
    const int32_t entries = m_commands->undoEntryCount();
    ASSERT_GT(entries, 0);

    select({box});
    setFactors(0, 0.5);
    m_commands->scaleWithSettings();

    EXPECT_EQ(m_commands->undoEntryCount(), entries);
    EXPECT_EQ(m_host->undoText(), "Undo Amplex");
}

struct SizeCase {
    const char* what;
    int32_t modifier;  // 0 none, 1 Alt, 2 Ctrl
    double targetWidth;
    double targetHeight;
    double horizontal;
    double vertical;
};

TEST_F(CommandTest, SizeModeTurnsTargetSizesIntoFactors)
{
    // The selection is 200 pt wide and 100 pt high.
    const SizeCase cases[] = {
        {"no target keeps the size", 0, 0, 0, 1.0, 1.0},
        {"both targets", 0, 300, 50, 1.5, 0.5},
        {"Alt: the width for both", 1, 300, 0, 1.5, 1.5},
        {"Alt without a width", 1, 0, 80, 1.0, 1.0},
        {"Ctrl: the height for both", 2, 300, 150, 1.5, 1.5},
        {"Ctrl without a height keeps the size", 2, 300, 0, 1.0, 1.0},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const int32_t box = addBox(layout(), 0, rect(100, 100, 200, 300)).ref();
        select({box});
        settings().ScaleByPercent = 0;
        settings().TargetWidth = pt(c.targetWidth);
        settings().TargetHeight = pt(c.targetHeight);
        m_commands->setClickModifier(c.modifier);

        m_commands->scaleWithSettings();

        EXPECT_EQ(settings().HorizontalFactor, pt(c.horizontal));
        EXPECT_EQ(settings().VerticalFactor, pt(c.vertical));
        EXPECT_TRUE(sameRect(boundsOf(box), rect(100, 100, 100 + 100 * c.vertical, 100 + 200 * c.horizontal)));
    }
    EXPECT_TRUE(messageTexts().empty());
}

struct FitToCase {
    const char* what;
    int16_t choice;
    bool constrain;
    double horizontal;  // 0: not checked here
    double vertical;
};

TEST_F(CommandTest, FitToEntriesSetTheFactors)
{
    // The selection is 171 pt wide and 114 pt high.
    const FitToCase cases[] = {
        {"CD cover, constrained", 11, true, 2.0, 2.0},
        {"CD cover", 11, false, 2.0, 3.0},
        {"business card", 12, false, 252.0 / 171, 144.0 / 114},
        {"banner ad, constrained", 13, true, 68.0 / 114, 68.0 / 114},
        {"single column leaves the height", 4, false, 0, 1.0},
        {"half page horizontal leaves the width", 6, false, 1.0, 0},
    };
    for (const FitToCase& c : cases) {
        SCOPED_TRACE(c.what);
        const int32_t box = addBox(layout(), 0, rect(100, 100, 214, 271)).ref();
        select({box});
        settings().FitToChoice = c.choice;
        settings().Constrain = c.constrain ? 1 : 0;
        m_commands->setFitTo(true, false);

        m_commands->scaleWithSettings();

        if (c.horizontal != 0) {
            EXPECT_NEAR(settings().HorizontalFactor / 65536.0, c.horizontal, 1e-4);
        }
        if (c.vertical != 0) {
            EXPECT_NEAR(settings().VerticalFactor / 65536.0, c.vertical, 1e-4);
        }
    }
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(CommandTest, PanelEntriesSizeBothAxesFromTheLiveArea)
{
    // A quarter-page panel is half the live width, a sixth-page panel a third; both half the live height.
    auto factorsFor = [&](int16_t choice) {
        const int32_t box = addBox(layout(), 0, rect(100, 100, 200, 200)).ref();
        select({box});
        settings().FitToChoice = choice;
        m_commands->setFitTo(true, false);
        m_commands->scaleWithSettings();
        return std::pair{settings().HorizontalFactor, settings().VerticalFactor};
    };
    const auto quarter = factorsFor(9);
    const auto sixth = factorsFor(10);
    EXPECT_NEAR(quarter.first / 65536.0, 1.5 * sixth.first / 65536.0, 1e-3);
    EXPECT_EQ(quarter.second, sixth.second);
    EXPECT_NE(quarter.second, pt(1));
}

TEST_F(CommandTest, FitToPageMovesTheSelectionOntoThePageBeforeItScales)
{
    const int32_t box = addBox(layout(), 0, rect(100, 100, 200, 300)).ref();
    select({box});
    settings().FitToChoice = 1;
    settings().Constrain = 1;
    settings().ScaleFrom = FromCenterOfSelection;
    m_commands->setFitTo(true, false);

    m_commands->scaleWithSettings();

    // The page is 612 pt wide: the 200 pt selection grows by 612/200 about its new upper left, the
    // page's corner, so that it covers the page exactly.
    EXPECT_EQ(settings().ScaleFrom, FromUpperLeftOfSelection);
    const xt::FixedRect moved = boundsOf(box);
    EXPECT_EQ(moved.top, 0);
    EXPECT_EQ(moved.left, 0);
    EXPECT_NEAR((moved.right - moved.left) / 65536.0, 612.0, 0.01);
    EXPECT_EQ(m_commands->fitOffset().v, -pt(100));
}

TEST_F(CommandTest, AFitToThatIsRefusedLeavesTheSelectionWhereItWas)
{
    // A vertical line has no width to fit to the page: its horizontal factor is unusable.
    const int32_t line = host::model::testdoc::addLine(layout(), 0, point(100, 100), point(200, 100)).ref();
    select({line});
    settings().FitToChoice = 1;
    m_commands->setFitTo(true, false);
    const std::string before = saved();

    m_commands->scaleWithSettings();

    EXPECT_EQ(messageTexts(), std::vector<std::string>{kImproper});
    EXPECT_EQ(saved(), before);
    EXPECT_EQ(m_host->undoText(), "");
}

TEST_F(CommandTest, TheSameGrowthOfTheSelectionIsNotCheckedAgainstThePasteboard)
{
    const int32_t box = addBox(layout(), 0, rect(100, 100, 200, 200)).ref();
    select({box});
    settings().ScaleText = 1;
    setFactors(30, 30);

    m_commands->scaleWithSettings();

    EXPECT_TRUE(messageTexts().empty());
    EXPECT_TRUE(sameRect(boundsOf(box), rect(100, 100, 3100, 3100)));
}

TEST_F(CommandTest, TheScaledExtentIsWorkedOutFromTheFactorsWithoutFitTo)
{
    settings().ScaleWhat = ScalePageRange;
    settings().ScaleText = 1;
    setFactors(4, 4);
    m_commands->setDialogPages(1, 1);
    const std::string before = saved();

    // Nothing is selected: the page (612 x 792) stands for the selection.
    m_commands->scaleWithSettings();

    EXPECT_EQ(m_commands->scaledExtent().v, pt(792 * 4));
    EXPECT_EQ(m_commands->scaledExtent().h, pt(612 * 4));
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{kMayScaleOff, kOffPasteboard}));
    EXPECT_EQ(saved(), before);
    EXPECT_TRUE(m_commands->noSelection());
}

} // namespace
} // namespace amplex::testing
