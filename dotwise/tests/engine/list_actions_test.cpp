// List actions on the paragraphs of a text box, as the palette runs them: the resulting text, indents and
// tab stops, paragraph by paragraph.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dotwise/engine/list_run.h"
#include "dotwise/tests/dotwise_host_fixture.h"

namespace dotwise::testing {
namespace {

using Texts = std::vector<std::string>;

class ListActionTest : public DotwiseHostTest {};

TEST_F(ListActionTest, BulletsMoveParagraphsToLevelOneWithTabStopsAndMarkers)
{
    textBox("Apples\rPears\rPlums");
    run(ActionBullets);
    EXPECT_EQ(paragraphs(), (Texts{"<9><2022><9><1E>Apples", "<9><2022><9><1E>Pears", "<9><2022><9><1E>Plums"}));
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(leftIndent(i), 36);
        EXPECT_EQ(rightIndent(i), 36);
        ASSERT_EQ(tabs(i).size(), 2u);
        EXPECT_EQ(tabs(i)[0].alignment, 2);
        EXPECT_EQ(toPoints(tabs(i)[0].position), 48);
        EXPECT_EQ(tabs(i)[1].alignment, 0);
        EXPECT_EQ(toPoints(tabs(i)[1].position), 57);
    }
    EXPECT_EQ(story().selection().start, 0);
    EXPECT_EQ(story().selection().end, story().length());
}

TEST_F(ListActionTest, BulletsAgainShiftInWithoutASecondBullet)
{
    textBox("Apples\rPears");
    run(ActionBullets);
    run(ActionBullets);
    EXPECT_EQ(paragraphs(), (Texts{"<9><2022><9><1E>Apples", "<9><2022><9><1E>Pears"}));
    EXPECT_EQ(leftIndent(0), 72);
    EXPECT_EQ(leftIndent(1), 72);
}

TEST_F(ListActionTest, DeeperLevelsRestartAndShallowerOnesGoOn)
{
    textBox("one\rtwo\rthree\rfour\rfive");
    // Levels 0, 1, 1, 0, 1 before; the numbering moves each one level in first.
    for (const size_t deeper : {1u, 2u, 4u})
        setLeftIndent(deeper, 36);
    run(ActionNumbers);
    EXPECT_EQ(paragraphs(), (Texts{"<9>1.<9><1E>one", "<9>a.<9><1E>two", "<9>b.<9><1E>three", "<9>2.<9><1E>four", "<9>a.<9><1E>five"}));
}

struct TypeCase {
    int16_t type;
    int paragraphs;
    const char* last;
};

constexpr TypeCase kTypes[] = {
    {NumberDecimalPoint, 12, "12."},
    {NumberDecimalParen, 3, "3)"},
    {NumberUpperLetterPoint, 28, "B."},   // A ... Z, A, B
    {NumberLowerLetterPoint, 27, "a."},
    {NumberUpperLetterParen, 2, "B)"},
    {NumberLowerLetterParen, 26, "z)"},
    {NumberUpperRoman, 14, "XIV."},
    {NumberLowerRoman, 9, "ix."},
};

TEST_F(ListActionTest, EveryNumberTypeOnAListOfParagraphs)
{
    for (const TypeCase& c : kTypes) {
        std::string text = "x";
        for (int i = 1; i < c.paragraphs; ++i)
            text += "\rx";
        textBox(text);
        settings().numberType[1] = c.type;
        settings().gapKind = GapSpace;
        settings().hangIndents = 0;
        run(ActionNumbers);
        EXPECT_EQ(paragraphs().back(), std::string(c.last) + " x") << "type " << c.type;
    }
}

TEST_F(ListActionTest, RomanNumbersPastTheLimitLeaveTheSuffixAlone)
{
    textBox("x");
    settings().numberType[1] = NumberUpperRoman;
    settings().gapKind = GapSpace;
    settings().hangIndents = 0;
    std::string text = "x";
    for (int i = 1; i < 3001; ++i)
        text += "\rx";
    textBox(text);
    run(ActionNumbers);
    EXPECT_EQ(paragraphs()[2999], "MMM. x");
    EXPECT_EQ(paragraphs()[3000], ". x");
}

/// One paragraph as it stands before an action, the action, and what the user sees after it.
struct ParagraphCase {
    const char16_t* text;
    double leftBefore;
    int16_t action;
    int16_t numberType; // for level 1
    const char* textAfter;
    double leftAfter;
};

constexpr ParagraphCase kParagraphCases[] = {
    {u"Plain", 0, ActionBullets, NumberDecimalPoint, "<9><2022><9><1E>Plain", 36},
    {u"Plain", 36, ActionBullets, NumberDecimalPoint, "<9><2022><9><1E>Plain", 72},
    {u"Plain", 0, ActionNumbers, NumberDecimalPoint, "<9>1.<9><1E>Plain", 36},
    {u"Plain", 0, ActionNumbers, NumberDecimalParen, "<9>1)<9><1E>Plain", 36},
    {u"Plain", 0, ActionNumbers, NumberUpperLetterPoint, "<9>A.<9><1E>Plain", 36},
    {u"Plain", 0, ActionNumbers, NumberLowerLetterPoint, "<9>a.<9><1E>Plain", 36},
    {u"Plain", 0, ActionNumbers, NumberUpperLetterParen, "<9>A)<9><1E>Plain", 36},
    {u"Plain", 0, ActionNumbers, NumberLowerLetterParen, "<9>a)<9><1E>Plain", 36},
    {u"Plain", 0, ActionNumbers, NumberUpperRoman, "<9>I.<9><1E>Plain", 36},
    {u"Plain", 0, ActionNumbers, NumberLowerRoman, "<9>i.<9><1E>Plain", 36},
    {u"\tPlain", 0, ActionBullets, NumberDecimalPoint, "<9><9><2022><9><1E>Plain", 36},  // the marker goes after the tab
    {u"Plain", 0, ActionLevelIn, NumberDecimalPoint, "Plain", 36},
    {u"Plain", 144, ActionLevelIn, NumberDecimalPoint, "Plain", 180},
    {u"Plain", 72, ActionLevelOut, NumberDecimalPoint, "Plain", 36},
    {u"Plain", 50, ActionLevelOut, NumberDecimalPoint, "Plain", 36},  // between levels: the level above
    {u"Plain", 0, ActionLevelOut, NumberDecimalPoint, "Plain", 0},
    {u"Plain", 108, ActionZeroIndents, NumberDecimalPoint, "Plain", 0},
    {u"\t\x2022\t\x1EPlain", 36, ActionRemoveMarkers, NumberDecimalPoint, "Plain", 36},
    {u"\tXIV.\t\x1EPlain", 36, ActionRemoveMarkers, NumberDecimalPoint, "Plain", 36},
    {u"b) Plain", 0, ActionRemoveMarkers, NumberDecimalPoint, "Plain", 0},
    {u"\t12.\t\x1EPlain", 72, ActionRemoveMarkersAndIndent, NumberDecimalPoint, "Plain", 36},
    {u"Dr. Plain", 0, ActionRemoveMarkers, NumberDecimalPoint, "Dr. Plain", 0},
    {u"\tPlain", 0, ActionRemoveMarkers, NumberDecimalPoint, "<9>Plain", 0},
    {u"Dr. Plain", 36, ActionRemoveMarkersAndIndent, NumberDecimalPoint, "Dr. Plain", 0},
};

TEST_F(ListActionTest, EachActionOnEachKindOfParagraph)
{
    for (const ParagraphCase& c : kParagraphCases) {
        textBox("");
        story().insert(0, c.text);
        setLeftIndent(0, c.leftBefore);
        story().select(0, 0);
        settings().numberType[1] = c.numberType;
        const std::string label = paragraphs()[0] + " at " + std::to_string(c.leftBefore) + " pt, action " + std::to_string(c.action);
        run(c.action);
        EXPECT_EQ(paragraphs(), Texts{c.textAfter}) << label;
        EXPECT_EQ(leftIndent(0), c.leftAfter) << label;
        settings() = defaultListSettings();
    }
}

TEST_F(ListActionTest, LevelsShiftInOutAndToZero)
{
    textBox("a\rb");
    run(ActionLevelIn);
    EXPECT_EQ(leftIndent(0), 36);
    for (int i = 0; i < 4; ++i)
        run(ActionLevelIn);
    EXPECT_EQ(leftIndent(0), 180);  // level 4, then its 36 pt step again
    run(ActionLevelOut);
    EXPECT_EQ(leftIndent(0), 108);
    run(ActionZeroIndents);
    EXPECT_EQ(leftIndent(1), 0);
    EXPECT_EQ(rightIndent(1), 0);
    EXPECT_EQ(paragraphs(), (Texts{"a", "b"}));
}

TEST_F(ListActionTest, AutoIndentOffLeavesIndentsAloneAndCountsIndentZeroAsLevelOne)
{
    textBox("a\rb");
    settings().autoIndent = 0;
    settings().numberType[1] = NumberUpperLetterPoint;
    run(ActionNumbers);
    EXPECT_EQ(leftIndent(0), 0);
    EXPECT_EQ(paragraphs(), (Texts{"<9>A.<9><1E>a", "<9>B.<9><1E>b"}));
}

TEST_F(ListActionTest, RemovingMarkersGivesBackTheText)
{
    textBox("Apples\rPears");
    run(ActionNumbers);
    run(ActionRemoveMarkers);
    EXPECT_EQ(paragraphs(), (Texts{"Apples", "Pears"}));
    EXPECT_EQ(leftIndent(0), 36);
    run(ActionBullets);
    run(ActionRemoveMarkersAndIndent);
    EXPECT_EQ(paragraphs(), (Texts{"Apples", "Pears"}));
    EXPECT_EQ(leftIndent(0), 36);
}

TEST_F(ListActionTest, RemovalKeepsWordsAndTabsThatAreNoMarker)
{
    textBox("12.\tTwelve\rDr. Smith\r\tIndented\rNote) this\r* not the bullet");
    run(ActionRemoveMarkers);
    EXPECT_EQ(paragraphs(), (Texts{"Twelve", "Dr. Smith", "<9>Indented", "Note) this", "* not the bullet"}));
}

TEST_F(ListActionTest, ACaretOnAParagraphsEndTakesThatParagraph)
{
    textBox("first\rsecond\rthird");
    story().select(12, 12);  // on the break after "second"
    run(ActionBullets);
    EXPECT_EQ(paragraphs(), (Texts{"first", "<9><2022><9><1E>second", "third"}));
    story().select(0, 0);
    run(ActionLevelIn);
    EXPECT_EQ(leftIndent(0), 36);
    EXPECT_EQ(leftIndent(2), 0);
}

TEST_F(ListActionTest, ASelectionInsideAParagraphCoversItWhole)
{
    textBox("first\rsecond\rthird");
    story().select(2, 8);
    run(ActionNumbers);
    EXPECT_EQ(paragraphs(), (Texts{"<9>1.<9><1E>first", "<9>2.<9><1E>second", "third"}));
    EXPECT_EQ(story().selection().start, 0);
    EXPECT_EQ(story().selection().end, paragraphStart(2));
}

TEST_F(ListActionTest, EmptyParagraphsGetNoMarkerAndShiftThemselves)
{
    textBox("a\r\rb\r");
    run(ActionBullets);
    EXPECT_EQ(paragraphs(), (Texts{"<9><2022><9><1E>a", "", "<9><2022><9><1E>b", ""}));
    EXPECT_EQ(leftIndent(0), 36);
    EXPECT_EQ(leftIndent(1), 36);
    EXPECT_EQ(leftIndent(2), 36);
}

TEST_F(ListActionTest, NothingHappensWithoutTheContentTool)
{
    textBox("a\rb");
    items().selection().setTool(0);
    run(ActionBullets);
    EXPECT_EQ(paragraphs(), (Texts{"a", "b"}));
    EXPECT_EQ(leftIndent(0), 0);
}

TEST_F(ListActionTest, BoldMarkersAndAnUnknownBulletFont)
{
    textBox("a");
    settings().boldMarkers = 1;
    std::snprintf(settings().bulletFont, kNameSize, "%s", "No Such Font");
    run(ActionBullets);
    const auto& runs = story().characterRuns();
    EXPECT_EQ(runs.valueAt(1).style & xt::kStyleBold, xt::kStyleBold);
    EXPECT_EQ(runs.valueAt(1).font, runs.valueAt(story().length() - 1).font);  // the font stays
    EXPECT_EQ(runs.valueAt(story().length() - 1).style & xt::kStyleBold, 0);
}

} // namespace
} // namespace dotwise::testing
