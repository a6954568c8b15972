// Fit Text to Box and to columns: overset text shrinks until it just fits, text with room grows
// until the next step would overflow, and commands with nothing to fit change nothing.
#include "amplex/tests/fit_fixture.h"

#include <cmath>

namespace amplex::testing {
namespace {

// 19 characters a line in a 100 pt box, three lines in 40 pt.
constexpr std::string_view kLongText =
    "Every good story needs a box that holds it and a reader who has time to read it through\r";
constexpr std::string_view kShortText = "Fit me\r";

class FitTextTest : public FitTest {
protected:
    /// Whether the story would overflow with every character at `size`; the sizes are put back.
    bool overflowsAt(int32_t box, double size)
    {
        const xt::Fixed kept = sizeAt(box, 0);
        const int32_t length = story(box).length();
        setSizes(box, 0, length, pt(size));
        const bool result = overflows(box);
        setSizes(box, 0, length, kept);
        return result;
    }

    bool uniformSize(int32_t box)
    {
        for (int32_t i = 0; i < story(box).length(); ++i) {
            if (sizeAt(box, i) != sizeAt(box, 0))
                return false;
        }
        return true;
    }

    static double nextCoarseSize(double size) { return std::floor(size * 1.05 / 0.25 + 0.5) * 0.25; }
};

TEST_F(FitTextTest, TheStoryEndsJustFittingWhetherItStartedOversetOrWithRoom)
{
    const struct {
        const char* name;
        std::string_view text;
        bool fineTune;
        bool startsOverset;
    } cases[] = {
        {"overset, coarse", kLongText, false, true},
        {"overset, fine tune", kLongText, true, true},
        {"room to spare, coarse", kShortText, false, false},
        {"room to spare, fine tune", kShortText, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = textBox(rect(0, 0, 40, 100), c.text);
        settings().FineTuneTextSize = c.fineTune;
        ASSERT_EQ(overflows(box), c.startsOverset);

        m_fit->fitTextToBox(box);

        EXPECT_FALSE(overflows(box));
        EXPECT_TRUE(uniformSize(box));
        const double size = sizeAt(box, 0) / 65536.0;
        EXPECT_EQ(size < 10, c.startsOverset) << size;
        // Just fits: one more step of the last kind would overflow.
        const double nextSize = c.fineTune ? size * 1.01 : nextCoarseSize(size);
        EXPECT_TRUE(overflowsAt(box, nextSize)) << size << " -> " << nextSize;
        EXPECT_EQ(openUndoSteps(), 0);
        EXPECT_EQ(m_host->undoText(), "Undo Amplex");
    }
}

TEST_F(FitTextTest, ASelectionFitsOnlyItsOwnCharactersAndIsSelectedAgain)
{
    const int32_t box = textBox(rect(0, 0, 40, 100), kShortText);
    settings().FitCommand = FitSelectionToBox;
    // "it" in the middle of the story's one run.
    story(box).select(1, 3);

    m_fit->fitTextToBox(box);

    EXPECT_EQ(sizeAt(box, 0), pt(10));
    EXPECT_GT(sizeAt(box, 1), pt(10));
    EXPECT_EQ(sizeAt(box, 1), sizeAt(box, 2));
    EXPECT_EQ(sizeAt(box, 3), pt(10));
    EXPECT_FALSE(overflows(box));
    EXPECT_EQ(story(box).selection(), (host::model::TextRange{1, 3}));
}

TEST_F(FitTextTest, StoryModeSelectsTheUsersSelectionAgain)
{
    const int32_t box = textBox(rect(0, 0, 40, 100), kLongText);
    story(box).select(4, 9);
    m_fit->fitTextToBox(box);
    EXPECT_LT(sizeAt(box, 0), pt(10));
    EXPECT_EQ(story(box).selection(), (host::model::TextRange{4, 9}));
}

TEST_F(FitTextTest, NothingToFitChangesNothingAndLeavesNoUndoStepOpen)
{
    const struct {
        const char* name;
        std::string_view text;
        FitCommandChoice command;
    } cases[] = {
        {"collapsed selection", kLongText, FitSelectionToBox},
        {"empty story", "", FitStoryToBox},
        {"empty story, selection mode", "", FitSelectionToBox},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = textBox(rect(0, 0, 40, 100), c.text);
        settings().FitCommand = c.command;
        story(box).select(3, 3);
        const int32_t probesBefore = probes();

        m_fit->fitTextToBox(box);

        EXPECT_EQ(probes(), probesBefore);
        EXPECT_TRUE(story(box).length() == 0 || sizeAt(box, 0) == pt(10));
        EXPECT_EQ(openUndoSteps(), 0);
        EXPECT_EQ(m_host->cursorKinds().back(), 0);
    }
}

TEST_F(FitTextTest, LeadingAloneFitsTheStoryAndBecomesAbsolute)
{
    const int32_t box = textBox(rect(0, 0, 40, 100), "one two three four five six\rseven eight nine ten\r");
    settings().FitTextSize = 0;
    settings().FitLeading = 1;
    ASSERT_TRUE(overflows(box));

    m_fit->fitTextToBox(box);

    EXPECT_FALSE(overflows(box));
    EXPECT_EQ(sizeAt(box, 0), pt(10));
    const xt::Fixed leading = story(box).paragraphRuns().valueAt(0).leading;
    EXPECT_GT(leading, 0); // auto leading (0) was made absolute
    EXPECT_LT(leading, pt(12));
}

TEST_F(FitTextTest, AFineTuneSwitchWithoutItsAttributeRunsTheFinePhasesWithoutSteppingIt)
{
    const int32_t box = textBox(rect(0, 0, 40, 100), kLongText);
    settings().FineTuneLeading = 1; // leading itself is off
    const int32_t probesBefore = probes();

    m_fit->fitTextToBox(box);

    EXPECT_FALSE(overflows(box));
    EXPECT_EQ(story(box).paragraphRuns().valueAt(0).leading, 0);
    // The fine grow phase never overflows, so it runs to its limit.
    EXPECT_GT(probes() - probesBefore, 1000);
}

TEST_F(FitTextTest, WithEveryAttributeOffEachPhaseEndsAtItsLimit)
{
    const int32_t box = textBox(rect(0, 0, 40, 100), kShortText);
    settings().FitTextSize = 0;
    const int32_t probesBefore = probes();

    m_fit->fitTextToBox(box);

    // The first probe, 1000 grow steps that never overflow, one shrink step that fits.
    EXPECT_EQ(probes() - probesBefore, 1 + 1000 + 1);
    EXPECT_EQ(sizeAt(box, 0), pt(10));
    EXPECT_EQ(openUndoSteps(), 0);
}

TEST_F(FitTextTest, WithoutMemoryForTheProbeTheCommandEndsCleanly)
{
    const int32_t box = textBox(rect(0, 0, 40, 100), kLongText);
    m_host->faults().failFrom("NewHandle", 1);

    m_fit->fitTextToBox(box);

    m_host->faults().clear();
    EXPECT_EQ(sizeAt(box, 0), pt(10));
    EXPECT_EQ(openUndoSteps(), 0);
    EXPECT_EQ(m_host->cursorKinds().back(), 0);
}

TEST_F(FitTextTest, FitToColumnKeepsTheTextInTheColumnWhereItEnds)
{
    // Two 100 pt columns; the text ends in the first.
    const int32_t box = textBox(rect(0, 0, 40, 200), kShortText, 2);
    settings().FitToBox = 0;

    m_fit->fitTextToBox(box);

    EXPECT_GT(sizeAt(box, 0), pt(10));
    const int32_t end = story(box).length();
    const auto chain = host::model::chainLayoutOf(layout(), box);
    EXPECT_EQ(chain->boxHolding(end), box);
    EXPECT_LT(chain->positionOf(end).x, pt(100));
    EXPECT_EQ(openUndoSteps(), 0);
}

TEST_F(FitTextTest, ALinkedBoxFitsTheRangeIntoItself)
{
    const int32_t first = textBox(rect(0, 0, 40, 100), kLongText);
    const int32_t second = host::model::testdoc::addTextBox(layout(), 0, rect(100, 0, 300, 100)).ref();
    ASSERT_TRUE(host::model::testdoc::linkChain(layout(), {first, second}));
    host::model::testdoc::select(layout(), {first});
    const int32_t end = story(first).length();
    ASSERT_EQ(boxHolding(first, end), second);

    m_fit->fitTextToBox(first);

    EXPECT_LT(sizeAt(first, 0), pt(10));
    EXPECT_EQ(boxHolding(first, end), first);
    EXPECT_EQ(openUndoSteps(), 0);
}

} // namespace
} // namespace amplex::testing
