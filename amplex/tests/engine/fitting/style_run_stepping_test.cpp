// One step of text fitting on a selection: which attributes move, by how much, and what 0 does.
#include "amplex/tests/fit_fixture.h"

#include "amplex/engine/fitting/style_run_walk.h"

namespace amplex::testing {
namespace {

using AttributeSwitch = uint8_t ScaleSettings::*;

struct StepCase {
    const char* name;
    AttributeSwitch fit;
    int32_t code;       // character code, or paragraph code when paragraph is set
    bool paragraph;
    double before;      // 0 for leading is auto leading
    bool grow;
    bool fine;
    double after;
};

class StepRunAttributesTest : public FitTest {
protected:
    xt::Fixed readBack(int32_t box, const StepCase& c)
    {
        if (c.paragraph)
            return host::model::paragraphValue(story(box).paragraphRuns().valueAt(0), c.code);
        return story(box).characterValue({0, story(box).length()}, static_cast<xt::CharacterCode>(c.code));
    }

    void setUpValue(int32_t box, const StepCase& c)
    {
        const int32_t length = story(box).length();
        if (c.paragraph)
            story(box).setParagraphValue({0, length}, c.code, pt(c.before));
        else
            story(box).setCharacterValue({0, length}, static_cast<xt::CharacterCode>(c.code), pt(c.before));
    }
};

TEST_F(StepRunAttributesTest, EachAttributeStepsByTheTableOfFactorsAndIncrements)
{
    const StepCase cases[] = {
        {"size grows to a half point", &ScaleSettings::FitTextSize, xt::kCharSize, false, 12, true, false, 12.5},
        {"size shrinks to a half point", &ScaleSettings::FitTextSize, xt::kCharSize, false, 12, false, false, 11.5},
        // 2.1 pt rounds back to 2 pt: small values may not move in coarse steps.
        {"small size stays", &ScaleSettings::FitTextSize, xt::kCharSize, false, 2, true, false, 2},
        {"tracking 0 starts at one increment", &ScaleSettings::FitTracking, xt::kCharTracking, false, 0, true, false, 1},
        // A coarse shrink tightens zero tracking as a grow loosens it.
        {"tracking 0 tightens", &ScaleSettings::FitTracking, xt::kCharTracking, false, 0, false, false, -1},
        {"tracking 0 stays in a fine step", &ScaleSettings::FitTracking, xt::kCharTracking, false, 0, true, true, 0},
        // The 1 % increment is 0x28F, a little under 1 %: 105 of them.
        {"horizontal scale 100 % grows", &ScaleSettings::FitHorizontalScale, xt::kCharHorizontalScale, false, 1, true,
            false, 105 * 0x28F / 65536.0},
        // 12 pt x 1.2 = 14.4 pt, x 1.05 = 15.12, snapped to 15 pt and written as absolute leading.
        {"auto leading becomes absolute", &ScaleSettings::FitLeading, xt::kParaLeading, true, 0, true, false, 15},
        {"space before 0 grows to one increment", &ScaleSettings::FitSpaceBefore, xt::kParaSpaceBefore, true, 0, true,
            false, 0.5},
        {"space before 0 stays on a shrink", &ScaleSettings::FitSpaceBefore, xt::kParaSpaceBefore, true, 0, false,
            false, 0},
        // Negative indents move by whole increments both ways.
        {"negative indent grows more negative", &ScaleSettings::FitIndents, xt::kParaFirstLineIndent, true, -10, true,
            false, -10.5},
        {"negative indent shrinks toward 0", &ScaleSettings::FitIndents, xt::kParaFirstLineIndent, true, -10, false,
            false, -9.5},
        {"right indent 0 grows", &ScaleSettings::FitIndents, xt::kParaRightIndent, true, 0, true, false, 0.5},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = textBox(rect(0, 0, 200, 200), "Some words\r");
        setSizes(box, 0, story(box).length(), pt(12));
        setUpValue(box, c);
        settings().FitTextSize = 0;
        settings().*c.fit = 1;
        settings().FineTuneTextSize = settings().FineTuneTracking = 1;
        story(box).select(0, story(box).length());
        m_fit->stepRunAttributes(story(box).ref(), c.grow, c.fine, c.paragraph);
        EXPECT_NEAR(readBack(box, c) / 65536.0, c.after, 0.0001);
        EXPECT_EQ(story(box).selection(), (host::model::TextRange{0, story(box).length()}));
    }
}

TEST_F(StepRunAttributesTest, SwitchesAndIncrementsDecideWhetherAndHowAValueMoves)
{
    const struct {
        const char* name;
        bool fineTune;
        bool fine;
        double increment;
        double after;
    } cases[] = {
        {"fine step, fine-tune on", true, true, 0.25, 12 * 1.01},
        {"fine step, fine-tune off", false, true, 0.25, 12},
        // An increment of 0 leaves the product as it is instead of dividing by zero.
        {"coarse step, no increment", false, false, 0, 12 * 1.05},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = textBox(rect(0, 0, 200, 200), "Some words\r");
        setSizes(box, 0, story(box).length(), pt(12));
        settings().FineTuneTextSize = c.fineTune;
        settings().TextSizeIncrement = pt(c.increment);
        story(box).select(0, story(box).length());
        m_fit->stepRunAttributes(story(box).ref(), 1, c.fine, 0);
        EXPECT_NEAR(sizeAt(box, 0) / 65536.0, c.after, 0.001);
    }
}

TEST_F(StepRunAttributesTest, AMixedSelectionAndAMissingTextBoxChangeNothing)
{
    const int32_t box = textBox(rect(0, 0, 200, 200), "Some words\r");
    setSizes(box, 0, 4, pt(12));
    setSizes(box, 4, story(box).length(), pt(9));
    story(box).select(0, story(box).length());
    m_fit->stepRunAttributes(story(box).ref(), 1, 0, 0);
    EXPECT_EQ(sizeAt(box, 0), pt(12));
    EXPECT_EQ(sizeAt(box, 5), pt(9));

    // Character values go to the current box; with none, they are computed and dropped.
    story(box).select(0, 4);
    host::model::testdoc::select(layout(), {});
    m_fit->stepRunAttributes(story(box).ref(), 1, 0, 0);
    EXPECT_EQ(sizeAt(box, 0), pt(12));
}

TEST_F(StepRunAttributesTest, AParagraphValueTheHostCannotGiveIsNeitherSteppedNorWrittenElsewhere)
{
    const struct {
        const char* name;
        const char* failingCall;
        int32_t n;
    } cases[] = {
        // Read as 0, the space would start again from one increment.
        {"the value", "GetTextRunAttribute", 1},
        // Read from the story's start, the first paragraph's space would land on the second.
        {"the selection to read", "GetTextSelection", 1},
        {"the selection to write", "GetTextSelection", 2},
    };
    settings().FitTextSize = 0;
    settings().FitSpaceBefore = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = textBox(rect(0, 0, 200, 200), "First\rSecond\r");
        story(box).setParagraphValue({0, 6}, xt::kParaSpaceBefore, pt(2));
        story(box).setParagraphValue({6, 13}, xt::kParaSpaceBefore, pt(10));
        story(box).select(6, 13);
        m_host->faults().failNth(c.failingCall, c.n);
        m_fit->stepRunAttributes(story(box).ref(), 1, 0, 1);
        m_host->faults().clear();
        EXPECT_EQ(story(box).paragraphAttributesAt(0).spaceBefore, pt(2));
        EXPECT_EQ(story(box).paragraphAttributesAt(6).spaceBefore, pt(10));
    }
}

TEST(PiecesOfRangeTest, TheRangeIsCutAtRunBoundariesWithoutEmptyPieces)
{
    using Pieces = std::vector<TextPiece>;
    const struct {
        const char* name;
        std::vector<int32_t> runs;
        int32_t start, end;
        Pieces expected;
    } cases[] = {
        {"inside one run", {10}, 2, 5, Pieces{{2, 5}}},
        {"across three runs", {4, 4, 4}, 2, 10, Pieces{{2, 4}, {4, 8}, {8, 10}}},
        // A range starting where a run ends gets no empty first piece.
        {"from a run boundary", {4, 4}, 4, 8, Pieces{{4, 8}}},
        {"no runs", {}, 0, 3, Pieces{{0, 3}}},
        // Runs that stop short of the range end in one last piece; the walk reads nothing past them.
        {"runs too short", {2, 2}, 1, 9, Pieces{{1, 2}, {2, 4}, {4, 9}}},
        {"empty range", {5}, 3, 3, Pieces{}},
        {"negative length", {-5, 5}, 0, 4, Pieces{{0, 4}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(piecesOfRange(c.runs, c.start, c.end), c.expected);
    }
}

} // namespace
} // namespace amplex::testing
