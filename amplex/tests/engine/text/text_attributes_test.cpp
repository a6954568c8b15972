// Text scaled with its box: point sizes, horizontal scales, paragraph attributes, tab stops,
// size warnings and the items anchored in the text.
#include "amplex/tests/text_scale_fixture.h"

namespace amplex::testing {
namespace {

using host::model::TabStop;

class TextAttributesTest : public TextScaleTest {
protected:
    void SetUp() override
    {
        TextScaleTest::SetUp();
        settings().ScaleLeading = 1;
        settings().ScaleTabs = 1;
        settings().ScaleGutters = 1;
    }

    /// "Small words here\r" in 10, 20 (tracked, 80 % wide) and 12 pt, then "Big\r" in 30 pt. The
    /// first paragraph has indents, leading, spacing and two tab stops; the second a rule above
    /// whose offset is in points and a rule below whose offset is a percentage.
    int32_t styledBox()
    {
        const int32_t box = textBox(rect(0, 0, 400, 400), "Small words here\rBig\r");
        host::model::Story& s = story(box);
        s.setCharacterValue({0, 6}, xt::kCharSize, pt(10));
        s.setCharacterValue({6, 12}, xt::kCharSize, pt(20));
        s.setCharacterValue({6, 12}, xt::kCharTracking, pt(10));
        s.setCharacterValue({6, 12}, xt::kCharHorizontalScale, pt(0.8));
        s.setCharacterValue({17, 21}, xt::kCharSize, pt(30));
        const host::model::TextRange first{0, 17};
        s.setParagraphValue(first, xt::kParaLeftIndent, pt(10));
        s.setParagraphValue(first, xt::kParaFirstLineIndent, pt(6));
        s.setParagraphValue(first, xt::kParaRightIndent, pt(4));
        s.setParagraphValue(first, xt::kParaLeading, pt(14));
        s.setParagraphValue(first, xt::kParaSpaceBefore, pt(8));
        s.setParagraphValue(first, xt::kParaSpaceAfter, pt(2));
        s.setTabs(first, {TabStop{.position = pt(36)}, TabStop{.position = pt(72)}});
        const host::model::TextRange second{17, 21};
        s.setParagraphValue(second, xt::kParaLeftIndent, pt(20));
        s.setParagraphValue(second, xt::kParaRuleAboveOffset, pt(10));
        s.setParagraphValue(second, xt::kParaRuleBelowOffset, pt(10));
        s.setParagraphValue(second, xt::kParaRuleBelowOffsetIsPercent, 1);
        return box;
    }
};

TEST_F(TextAttributesTest, RunsAndParagraphsScaleByTheirOwnFactors)
{
    const struct {
        const char* name;
        double h, v;
        bool keepTextProportional;
        double sizes[4];
        double widths[4];
        double indents[3];    // left, first line, right of the first paragraph
        double leading;
        double spacing[2];    // before, after
        double tabs[2];
        double ruleAboveOffset;
    } cases[] = {
        {"narrower", 0.5, 1.0, false, {10, 20, 12, 30}, {0.5, 0.4, 0.5, 0.5}, {5, 3, 2}, 14, {8, 2}, {18, 36}, 10},
        {"half", 0.5, 0.5, false, {5, 10, 6, 15}, {1, 0.8, 1, 1}, {5, 3, 2}, 7, {4, 1}, {18, 36}, 5},
        // The type keeps its shape by the smaller factor; leading still follows V and tabs H.
        {"kept proportional", 0.5, 2.0, true, {5, 10, 6, 15}, {1, 0.8, 1, 1}, {5, 3, 2}, 28, {4, 1}, {18, 36}, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = styledBox();
        setFactors(c.h, c.v);
        settings().KeepTextProportional = c.keepTextProportional;
        m_text->scaleTextBox(box);

        const auto& runs = story(box).characterRuns();
        const int32_t bounds[5] = {0, 6, 12, 17, 21};
        ASSERT_EQ(runs.runCount(), 4u);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(runs.startOfRun(i), bounds[i]) << "run " << i;
            EXPECT_EQ(runs.endOfRun(i), bounds[i + 1]) << "run " << i;
            EXPECT_EQ(runs.valueOfRun(i).size, pt(c.sizes[i])) << "run " << i;
            EXPECT_EQ(runs.valueOfRun(i).horizontalScale, pt(c.widths[i])) << "run " << i;
        }
        EXPECT_EQ(runs.valueOfRun(1).tracking, pt(10)) << "tracking is relative to the size";

        const auto& first = story(box).paragraphAttributesAt(0);
        EXPECT_EQ(first.leftIndent, pt(c.indents[0]));
        EXPECT_EQ(first.firstLineIndent, pt(c.indents[1]));
        EXPECT_EQ(first.rightIndent, pt(c.indents[2]));
        EXPECT_EQ(first.leading, pt(c.leading));
        EXPECT_EQ(first.spaceBefore, pt(c.spacing[0]));
        EXPECT_EQ(first.spaceAfter, pt(c.spacing[1]));
        ASSERT_EQ(first.tabs.size(), 2u);
        EXPECT_EQ(first.tabs[0].position, pt(c.tabs[0]));
        EXPECT_EQ(first.tabs[1].position, pt(c.tabs[1]));

        const auto& second = story(box).paragraphAttributesAt(17);
        EXPECT_EQ(second.leftIndent, pt(c.indents[0] * 2));
        EXPECT_EQ(second.leading, 0) << "auto leading stays auto";
        EXPECT_EQ(second.ruleAbove.offset, pt(c.ruleAboveOffset));
        EXPECT_EQ(second.ruleBelow.offset, pt(10)) << "a percentage offset does not scale";
    }
}

TEST_F(TextAttributesTest, SwitchesLeaveTheirAttributesAlone)
{
    const int32_t box = styledBox();
    setFactors(0.5, 0.5);
    settings().ScaleLeading = 0;
    settings().ScaleTabs = 0;
    settings().ScaleGutters = 1;
    m_text->scaleTextBox(box);

    EXPECT_EQ(sizeAt(box, 0), pt(10));
    const auto& first = story(box).paragraphAttributesAt(0);
    EXPECT_EQ(first.leading, pt(14));
    EXPECT_EQ(first.leftIndent, pt(10)) << "indents scale only in the paragraph pass";
    ASSERT_EQ(first.tabs.size(), 2u);
    EXPECT_EQ(first.tabs[0].position, pt(18)) << "the tab-only pass still runs";
}

TEST_F(TextAttributesTest, WithoutMemoryForTheRunListSizesStayAndParagraphsStillScale)
{
    const int32_t box = styledBox();
    setFactors(0.5, 0.5);
    m_host->faults().failNth("CopyHandle", 1);
    m_text->scaleTextBox(box);
    EXPECT_EQ(sizeAt(box, 0), pt(10));
    EXPECT_EQ(story(box).paragraphAttributesAt(0).leading, pt(7));
}

TEST_F(TextAttributesTest, WithoutMemoryToFindWhereItsTextBeginsABoxOfAChainIsLeftAlone)
{
    const int32_t first = textBox(rect(0, 0, 20, 100), "One line\rTwo lines\rThree\r");
    const int32_t second = textBox(rect(0, 200, 20, 300));
    host::model::linkTextBoxes(layout(), first, second);
    setFactors(0.5, 0.5);
    m_host->faults().failNth("NewHandle", 1);
    m_text->scaleTextBox(second);
    for (int32_t offset = 0; offset < story(first).length(); ++offset)
        EXPECT_EQ(sizeAt(first, offset), pt(12)) << offset;
}

TEST_F(TextAttributesTest, ALockedWidthKeepsItsHorizontalScale)
{
    const int32_t box = textBox(rect(0, 0, 200, 200), "abcdef");
    story(box).setCharacterValue({0, 3}, xt::kCharWidthLocked, 1);
    setFactors(0.5, 1.0);
    m_text->scaleTextBox(box);
    EXPECT_EQ(story(box).characterRuns().valueAt(0).horizontalScale, pt(1));
    EXPECT_EQ(story(box).characterRuns().valueAt(4).horizontalScale, pt(0.5));
}

TEST_F(TextAttributesTest, SizesOutOfBoundsWarnOncePerBoxAndStayAsComputed)
{
    const struct {
        const char* name;
        double sizes[2];
        double factor;
        bool warnings;
        const char* message;  // null: no message
    } cases[] = {
        {"too small", {3, 3.5}, 0.5, true, "Minimum Text point size is 2 pt."},
        {"too large", {400, 500}, 2.0, true, "Maximum Text point size is 720 pt."},
        {"warnings off", {3, 3.5}, 0.5, false, nullptr},
        {"in bounds", {12, 14}, 0.5, true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = textBox(rect(0, 0, 400, 400), "abcdef");
        story(box).setCharacterValue({0, 3}, xt::kCharSize, pt(c.sizes[0]));
        story(box).setCharacterValue({3, 6}, xt::kCharSize, pt(c.sizes[1]));
        settings().SizeWarnings = c.warnings;
        setFactors(c.factor, c.factor);
        const size_t shown = m_host->messageBoxes().size();
        m_text->scaleTextBox(box);

        const auto& boxes = m_host->messageBoxes();
        ASSERT_EQ(boxes.size() - shown, c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(boxes.back().text, c.message);
            EXPECT_EQ(boxes.back().caption, "VORNE Amplex");
        }
        EXPECT_EQ(sizeAt(box, 0), pt(c.sizes[0] * c.factor));
        EXPECT_EQ(sizeAt(box, 4), pt(c.sizes[1] * c.factor));
    }
}

TEST_F(TextAttributesTest, RoundedSizesSnapToTheStep)
{
    const struct {
        double size;
        double factor;
        double rounded;
    } cases[] = {
        {10.5, 0.75, 8},     // 7.875: above three quarters goes up
        {10, 0.75, 7.5},     // on the half point already
        {13, 0.5, 6.5},
        {10.2, 0.5, 5},      // 5.1: up to a quarter goes down
    };
    settings().RoundFonts = 1;
    for (const auto& c : cases) {
        const int32_t box = textBox(rect(0, 0, 200, 200), "abc");
        story(box).setCharacterValue({0, 3}, xt::kCharSize, pt(c.size));
        setFactors(c.factor, c.factor);
        m_text->scaleTextBox(box);
        EXPECT_EQ(sizeAt(box, 1), pt(c.rounded)) << c.size << " x " << c.factor;
    }
}

TEST_F(TextAttributesTest, EveryAnchoredItemScalesWithTheText)
{
    // Three items anchored side by side: each is reached, the text box's own text scales with it.
    namespace testdoc = host::model::testdoc;
    const int32_t box = textBox(rect(0, 0, 300, 300), "ab");
    const int32_t first = testdoc::addBox(layout(), 0, rect(100, 100, 120, 140)).ref();
    const int32_t second = testdoc::addBox(layout(), 0, rect(200, 100, 240, 180)).ref();
    const int32_t inner = textBox(rect(300, 100, 340, 200), "xyz");
    story(box).insertAnchor(1, first);
    story(box).insertAnchor(2, second);
    story(box).insertAnchor(3, inner);
    settings().ScaleRunaround = 1;
    settings().ScaleGraphics = 1;
    settings().ScaleText = 1;
    settings().KeepAnchoredProportional = 1;
    setFactors(0.5, 0.5);
    m_text->scaleTextBox(box);

    const auto rectOf = [&](int32_t ref) { return item(ref).rect(); };
    EXPECT_EQ(rectOf(first).top, pt(100));
    EXPECT_EQ(rectOf(first).bottom, pt(110));
    EXPECT_EQ(rectOf(first).right, pt(120));
    EXPECT_EQ(rectOf(second).bottom, pt(220));
    EXPECT_EQ(rectOf(second).right, pt(140));
    EXPECT_EQ(rectOf(inner).bottom, pt(320));
    EXPECT_EQ(sizeAt(inner, 1), pt(6)) << "the anchored box's own text";
    EXPECT_EQ(sizeAt(box, 0), pt(6));
    EXPECT_EQ(layout().items().current(), box) << "the box being scaled is current again";
}

} // namespace
} // namespace amplex::testing
