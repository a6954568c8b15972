// "Fill With Placeholder Text" on an empty text box: the box ends with its last whole line that fits,
// a chain stops at the box, and a box the fill cannot serve gets a message and keeps its text.
#include <gtest/gtest.h>

#include <string>

#include "host/model/text/text_boxes.h"
#include "mockum/resources/filler_text.h"
#include "mockum/tests/mockum_fixture.h"
#include "win32/standin.h"
#include "win32/windows.h"
#include "xtapi/text_records.h"

namespace mockum::testing {
namespace {

constexpr int32_t kItemTool = 0;
constexpr int32_t kTextTool = 1;

class FillCommandTest : public MockumTest {
protected:
    /// The filler repeated, as the fill inserts it: each pass before the text already there.
    static std::string repeatedFiller(size_t length)
    {
        std::string text;
        while (text.size() < length)
            text += std::string(kFillerText, kFillerTextSize);
        return text.substr(0, length);
    }

    std::vector<xt::LineRecord> linesOf(int32_t box)
    {
        return host::model::chainLayoutOf(layout(), box)->lineRecords(box);
    }

    /// True when the text has more lines than the box holds.
    bool overflows(int32_t box) { return linesOf(box).back().fit == xt::kLineDoesNotFit; }
};

TEST_F(FillCommandTest, AnEmptyTextBoxRetitlesTheItem)
{
    const int32_t box = textBox(0, rect(0, 0, 100, 200));
    select({box});
    m_host->updateMenus();
    const auto lines = m_host->menuLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "VORNE > Fill With Placeholder Text"), lines.end());

    ASSERT_TRUE(choose("Fill With Placeholder Text"));
    m_host->updateMenus();
    const auto after = m_host->menuLines();
    EXPECT_NE(std::find(after.begin(), after.end(), "VORNE > Greek-Ungreek Text"), after.end());
}

TEST_F(FillCommandTest, ASmallBoxEndsWithItsLastLineThatFits)
{
    // Ten lines of 39 characters.
    const int32_t box = textBox(0, rect(0, 0, 122, 197));
    select({box});
    useTool(kTextTool);

    ASSERT_TRUE(choose("Fill With Placeholder Text"));

    const std::string filled = textOf(box);
    ASSERT_FALSE(filled.empty());
    EXPECT_EQ(filled, repeatedFiller(filled.size())) << "the filler from its start";
    EXPECT_FALSE(overflows(box));
    // The filler's next word, in the filler's type, would start a line that does not fit.
    const std::string more = repeatedFiller(filled.size() + 100);
    const size_t wordEnd = more.find_first_of(" \r", filled.size());
    const std::string next = more.substr(filled.size(), wordEnd + 1 - filled.size());
    storyOf(box).insert(static_cast<int32_t>(filled.size()), std::u16string(next.begin(), next.end()));
    const auto lines = linesOf(box);
    ASSERT_TRUE(overflows(box)) << next;
    const auto firstOver = std::find_if(lines.begin(), lines.end(), [](const xt::LineRecord& l) { return l.fit != 0; });
    EXPECT_EQ(firstOver->start, static_cast<int32_t>(filled.size()));
    EXPECT_EQ(m_host->undoText(), "Undo Mockum");
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(FillCommandTest, ALargeBoxTakesTheTextSeveralTimes)
{
    const int32_t box = textBox(0, rect(0, 0, 700, 560));
    select({box});
    useTool(kItemTool);

    ASSERT_TRUE(choose("Fill With Placeholder Text"));

    const std::string filled = textOf(box);
    EXPECT_GT(filled.size(), kFillerTextSize) << "more than one copy";
    EXPECT_EQ(filled, repeatedFiller(filled.size()));
    EXPECT_FALSE(overflows(box));
}

TEST_F(FillCommandTest, FillingStopsAtTheNextBoxOfTheChain)
{
    const int32_t first = textBox(0, rect(0, 0, 122, 197));
    const int32_t second = textBox(0, rect(200, 0, 322, 197));
    ASSERT_TRUE(host::model::testdoc::linkChain(layout(), {first, second}));
    select({first});

    ASSERT_TRUE(choose("Fill With Placeholder Text"));

    const auto layoutNow = host::model::chainLayoutOf(layout(), first);
    const int32_t length = storyOf(first).length();
    ASSERT_GT(length, 0);
    EXPECT_EQ(layoutNow->boxHolding(length - 1), first);
    EXPECT_EQ(layoutNow->firstOffset(second), length) << "the second box shows nothing";
}

TEST_F(FillCommandTest, ALockedBoxGetsAMessageAndStaysEmpty)
{
    const int32_t box = textBox(0, rect(0, 0, 122, 197));
    item(box).setLocked(true);
    select({box});
    const std::string before = saved();

    ASSERT_TRUE(choose("Fill With Placeholder Text"));

    EXPECT_EQ(saved(), before);
    ASSERT_EQ(messageTexts().size(), 1u);
    EXPECT_EQ(messageTexts()[0], "The text box is locked, so Mockum left it empty.");
    EXPECT_EQ(m_host->undoText(), "") << "nothing to undo";
}

TEST_F(FillCommandTest, ABoxThatAlreadyOverflowsGetsAMessageAndStaysEmpty)
{
    // 6 pt inside the insets, lower than the empty line of 10 pt type, which overflows already.
    const int32_t box = textBox(0, rect(0, 0, 8, 197));
    select({box});
    ASSERT_TRUE(overflows(box));
    const std::string before = saved();

    ASSERT_TRUE(choose("Fill With Placeholder Text"));

    EXPECT_EQ(saved(), before);
    ASSERT_EQ(messageTexts().size(), 1u);
    EXPECT_EQ(messageTexts()[0], "The text box cannot show any text, so Mockum left it empty.");
    EXPECT_EQ(m_host->undoText(), "") << "nothing to undo";
}

TEST_F(FillCommandTest, ABoxJustHighEnoughForTheEmptyLineTakesOneLine)
{
    // 12 pt inside the insets: the empty line fits, and so does one line of the filler.
    const int32_t box = textBox(0, rect(0, 0, 14, 197));
    select({box});
    ASSERT_FALSE(overflows(box));

    ASSERT_TRUE(choose("Fill With Placeholder Text"));

    const std::string filled = textOf(box);
    ASSERT_FALSE(filled.empty());
    EXPECT_EQ(filled, repeatedFiller(filled.size()));
    EXPECT_EQ(linesOf(box).size(), 2u) << "one line and the closing record";
    EXPECT_FALSE(overflows(box));
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(FillCommandTest, AMissingPlaceholderTextGetsAMessageAndNoChange)
{
    const int32_t box = textBox(0, rect(0, 0, 122, 197));
    select({box});
    const std::string before = saved();
    m_host->faults().failNth("GetResource", 1);

    ASSERT_TRUE(choose("Fill With Placeholder Text"));

    EXPECT_EQ(saved(), before);
    ASSERT_EQ(messageTexts().size(), 1u);
    EXPECT_EQ(messageTexts()[0], "Mockum's placeholder text is missing from its resources, so the box was left empty.");
}

TEST_F(FillCommandTest, HoldingTheMouseButtonStopsAfterOnePassAndTrimsToTheBox)
{
    const int32_t box = textBox(0, rect(0, 0, 700, 560));
    select({box});
    win32::setAsyncKeyState(VK_LBUTTON, static_cast<SHORT>(0x8000));

    ASSERT_TRUE(choose("Fill With Placeholder Text"));
    win32::clearAsyncKeyStates();

    EXPECT_EQ(textOf(box), std::string(kFillerText, kFillerTextSize)) << "one copy, which fits";
}

TEST_F(FillCommandTest, UndoEmptiesTheBoxAgain)
{
    const int32_t box = textBox(0, rect(0, 0, 122, 197));
    select({box});
    const std::string before = saved();
    ASSERT_TRUE(choose("Fill With Placeholder Text"));
    ASSERT_TRUE(m_host->undo());
    EXPECT_EQ(saved(), before);
}

} // namespace
} // namespace mockum::testing
