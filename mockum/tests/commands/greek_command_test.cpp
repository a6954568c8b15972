// The greek item on a document: the selection with the text tool, the item with the item tool, chains,
// groups, sizes and mixed attributes; greeking twice gives the text back, and Undo does too.
#include <gtest/gtest.h>

#include "mockum/tests/mockum_fixture.h"
#include "xtapi/text_records.h"

namespace mockum::testing {
namespace {

constexpr int32_t kItemTool = 0;
constexpr int32_t kTextTool = 1;

class GreekCommandTest : public MockumTest {};

TEST_F(GreekCommandTest, TheMenuOffersBothItems)
{
    m_host->updateMenus();
    const auto lines = m_host->menuLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "VORNE > (Greek-Ungreek Text)"), lines.end()) << "no box: disabled";
    EXPECT_NE(std::find(lines.begin(), lines.end(), "VORNE > Mockum Settings..."), lines.end());
}

TEST_F(GreekCommandTest, TheItemToolGreeksTheWholeBoxAndASecondRunGivesItBack)
{
    const int32_t box = textBox(0, rect(0, 0, 200, 400), "Lorem ipsum dolor\rab1234 x");
    select({box});
    useTool(kItemTool);
    const std::string before = saved();

    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    EXPECT_EQ(textOf(box), "Lmero imusp drolo\rab1243 x");
    EXPECT_EQ(m_host->undoText(), "Undo Mockum");

    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    EXPECT_EQ(textOf(box), "Lorem ipsum dolor\rab1234 x");
    EXPECT_EQ(saved(), before);
}

TEST_F(GreekCommandTest, UndoAndRedoPutTheTextBack)
{
    const int32_t box = textBox(0, rect(0, 0, 200, 400), "Lorem ipsum dolor sit amet");
    select({box});
    useTool(kItemTool);
    const std::string before = saved();
    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    const std::string after = saved();
    ASSERT_NE(after, before);

    ASSERT_TRUE(m_host->undo());
    EXPECT_EQ(saved(), before);
    ASSERT_TRUE(m_host->redo());
    EXPECT_EQ(saved(), after);
}

TEST_F(GreekCommandTest, TheTextToolGreeksTheSelectionOnly)
{
    const int32_t box = textBox(0, rect(0, 0, 200, 400), "alpha beta sigma delta");
    selectText(box, 6, 16);
    useTool(kTextTool);

    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    EXPECT_EQ(textOf(box), "alpha bate samgi delta");
    EXPECT_EQ(storyOf(box).selection(), (host::model::TextRange{6, 16})) << "the selection stays";
}

TEST_F(GreekCommandTest, ASelectionLeavesAWordAtTheStoryEndButTheItemTakesIt)
{
    const int32_t box = textBox(0, rect(0, 0, 200, 400), "alpha omega");
    selectText(box, 0, 11);
    useTool(kTextTool);
    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    EXPECT_EQ(textOf(box), "aahpl omega");

    useTool(kItemTool);
    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    EXPECT_EQ(textOf(box), "alpha oagem");
}

TEST_F(GreekCommandTest, EachBoxOfAChainGreeksTheTextItShows)
{
    // Two lines of ten characters a box.
    const int32_t first = textBox(0, rect(0, 0, 26, 52));
    const int32_t middle = textBox(0, rect(0, 100, 26, 152));
    const int32_t last = textBox(0, rect(0, 200, 26, 252));
    ASSERT_TRUE(host::model::testdoc::linkChain(layout(), {first, middle, last}));
    host::model::testdoc::setText(layout(), first, "abcdefgh1 abcdefgh2 abcdefgh3 abcdefgh4 abcdefgh5 abcdefgh6");
    select({middle});
    useTool(kItemTool);

    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    EXPECT_EQ(textOf(first), "abcdefgh1 abcdefgh2 ahgfedcb3 ahgfedcb4 abcdefgh5 abcdefgh6");

    select({last});
    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    select({first});
    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    EXPECT_EQ(textOf(first), "ahgfedcb1 ahgfedcb2 ahgfedcb3 ahgfedcb4 ahgfedcb5 ahgfedcb6");
}

TEST_F(GreekCommandTest, AGroupIsGreekedMemberByMemberNestedGroupsToo)
{
    const int32_t a = textBox(0, rect(0, 0, 100, 200), "alpha beta");
    const int32_t b = textBox(0, rect(120, 0, 220, 200), "gamma delta");
    const int32_t c = textBox(0, rect(240, 0, 340, 200), "epsilon");
    const int32_t inner = host::model::testdoc::addGroup(layout(), {a, b}).ref();
    const int32_t outer = host::model::testdoc::addGroup(layout(), {inner, c}).ref();
    select({outer});
    useTool(kItemTool);

    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    EXPECT_EQ(textOf(a), "aahpl bate");
    EXPECT_EQ(textOf(b), "gamma datle");
    EXPECT_EQ(textOf(c), "enolisp");
    EXPECT_EQ(items().current(), outer) << "the group is current again";
}

TEST_F(GreekCommandTest, BelowTheThresholdOnlySmallWordsChange)
{
    const int32_t box = textBox(0, rect(0, 0, 200, 400), "large small");
    host::model::Story& story = storyOf(box);
    story.setCharacterValue({0, 5}, xt::kCharSize, pt(18));
    story.setCharacterValue({6, 11}, xt::kCharSize, pt(10));
    select({box});
    useTool(kItemTool);
    // "Greek text below" 16 pt, on the item (the Selection scope with the item tool).
    m_host->windows().dialogUser().check(1006, true);
    m_host->windows().dialogUser().ok();

    ASSERT_TRUE(choose("Mockum Settings..."));
    EXPECT_EQ(textOf(box), "large sllam");
}

TEST_F(GreekCommandTest, AWordWhoseCharactersDifferKeepsItsText)
{
    const int32_t box = textBox(0, rect(0, 0, 200, 400), "plain mixed words");
    storyOf(box).setCharacterValue({6, 8}, xt::kCharFont, 2);
    select({box});
    useTool(kItemTool);

    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    EXPECT_EQ(textOf(box), "pnial mixed wsdro");
}

TEST_F(GreekCommandTest, WithoutACurrentBoxTheGreekItemIsDisabled)
{
    textBox(0, rect(0, 0, 100, 100), "text");
    select({});
    EXPECT_FALSE(choose("Greek-Ungreek Text"));
}

} // namespace
} // namespace mockum::testing
