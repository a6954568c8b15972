// "Mockum Settings..." with the Entire Item and Page Range scopes: which boxes of a small document
// change, that a second run gives the document back, and that the user's item, tool and page stay.
#include <gtest/gtest.h>

#include <string>

#include "host/model/spread_layout.h"
#include "mockum/tests/mockum_fixture.h"

namespace mockum::testing {
namespace {

constexpr int32_t kItemTool = 0;
constexpr int32_t kEntireItemRadio = 1004;
constexpr int32_t kPageRangeRadio = 1005;
constexpr int32_t kFromField = 1000;
constexpr int32_t kToField = 1001;

constexpr const char* kPlain = "alpha beta";
constexpr const char* kGreeked = "aahpl bate";

class GreekScopeTest : public MockumTest {
protected:
    host::ui::DialogUser& user() { return m_host->windows().dialogUser(); }

    /// One box of "alpha beta" on each page (from 0) of a document of `pages` pages.
    std::vector<int32_t> boxPerPage(int32_t pages)
    {
        newDocument(pages);
        std::vector<int32_t> boxes;
        for (int32_t page = 0; page < pages; ++page)
            boxes.push_back(textBox(static_cast<size_t>(page), rect(0, 0, 100, 200), kPlain));
        return boxes;
    }

    bool greekEntireItems()
    {
        user().click(kEntireItemRadio);
        user().ok();
        return choose("Mockum Settings...");
    }

    bool greekPages(const std::string& from, const std::string& to)
    {
        user().click(kPageRangeRadio);
        user().setText(kFromField, from);
        user().setText(kToField, to);
        user().ok();
        return choose("Mockum Settings...");
    }

    /// Which boxes hold greeked text: 'g' greeked, '-' as typed, '?' anything else.
    std::string greekedMap(const std::vector<int32_t>& boxes)
    {
        std::string map;
        for (const int32_t box : boxes)
            map += textOf(box) == kGreeked ? 'g' : textOf(box) == kPlain ? '-' : '?';
        return map;
    }
};

TEST_F(GreekScopeTest, EntireItemGreeksEveryBoxGroupAndChainOnceAndASecondRunGivesItBack)
{
    std::vector<int32_t> boxes = boxPerPage(3);
    const int32_t a = textBox(1, rect(300, 0, 400, 200), kPlain);
    const int32_t b = textBox(1, rect(420, 0, 520, 200), kPlain);
    host::model::testdoc::addGroup(layout(), {a, b});
    // A chain over two pages whose words cross from one box into the next.
    const int32_t head = textBox(0, rect(300, 0, 326, 52));
    const int32_t tail = textBox(2, rect(300, 0, 326, 52));
    ASSERT_TRUE(host::model::testdoc::linkChain(layout(), {head, tail}));
    host::model::testdoc::setText(layout(), head, "abcdefgh1 abcdefgh2 abcdefgh3 abcdefgh4");
    select({boxes[1]});
    useTool(kItemTool);
    const std::string before = saved();

    ASSERT_TRUE(greekEntireItems());
    boxes.push_back(a);
    boxes.push_back(b);
    EXPECT_EQ(greekedMap(boxes), "ggggg");
    EXPECT_EQ(textOf(head), "ahgfedcb1 ahgfedcb2 ahgfedcb3 ahgfedcb4");
    EXPECT_EQ(m_host->undoText(), "Undo Mockum");
    EXPECT_EQ(items().current(), boxes[1]) << "the user's item is current again";
    EXPECT_EQ(items().selection().tool(), kItemTool);
    EXPECT_TRUE(messageTexts().empty());

    ASSERT_TRUE(greekEntireItems());
    EXPECT_EQ(saved(), before);
}

TEST_F(GreekScopeTest, EntireItemIsUndoneInOneStep)
{
    boxPerPage(2);
    const std::string before = saved();
    ASSERT_TRUE(greekEntireItems());
    ASSERT_NE(saved(), before);
    ASSERT_TRUE(m_host->undo());
    EXPECT_EQ(saved(), before);
}

TEST_F(GreekScopeTest, PageRangeGreeksTheTextBoxesOfThosePagesOnly)
{
    const std::vector<int32_t> boxes = boxPerPage(4);
    // Groups are not entered in this scope.
    const int32_t member = textBox(1, rect(300, 0, 400, 200), kPlain);
    host::model::testdoc::addGroup(layout(), {member, textBox(1, rect(420, 0, 520, 200), kPlain)});
    const std::string before = saved();

    ASSERT_TRUE(greekPages("2", "3"));
    EXPECT_EQ(greekedMap(boxes), "-gg-");
    EXPECT_EQ(textOf(member), kPlain);
    EXPECT_TRUE(messageTexts().empty());

    ASSERT_TRUE(greekPages("2", "3"));
    EXPECT_EQ(saved(), before);
}

TEST_F(GreekScopeTest, OnFacingPagesEachBoxIsGreekedOnceOnItsOwnPage)
{
    const std::vector<int32_t> boxes = boxPerPage(3);
    host::model::setFacingPages(layout(), true);
    ASSERT_EQ(host::model::spreadCount(layout()), 2u) << "page 1 alone, then pages 2 and 3";

    ASSERT_TRUE(greekPages("2", "3"));
    EXPECT_EQ(greekedMap(boxes), "-gg");
    ASSERT_TRUE(greekPages("3", "3"));
    EXPECT_EQ(greekedMap(boxes), "-g-") << "page 2 shares the spread but lies before the range";
}

TEST_F(GreekScopeTest, AToPageBeyondTheDocumentStopsAtItsLastPage)
{
    const std::vector<int32_t> boxes = boxPerPage(3);
    ASSERT_TRUE(greekPages("2", "999"));
    EXPECT_EQ(greekedMap(boxes), "-gg");
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(GreekScopeTest, ThePageShownStaysAfterThePageRange)
{
    const std::vector<int32_t> boxes = boxPerPage(3);
    const host::model::PageSlot shown = host::model::currentSlot(layout());
    ASSERT_TRUE(greekPages("1", "3"));
    EXPECT_EQ(greekedMap(boxes), "ggg");
    EXPECT_EQ(host::model::currentSlot(layout()), shown);
}

} // namespace
} // namespace mockum::testing
