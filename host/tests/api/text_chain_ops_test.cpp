// Chains through the host's operations: LinkBoxes joins two chains with their text, UnlinkChainBox
// splits one at any of its links, and the text cut (204) and paste (206) commands move text with its
// attributes; ToolboxOp2074 reads a number from a C text.
#include "host/tests/pages_fixture.h"

#include "host/model/text/text_boxes.h"
#include "testing/test_text.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class TextChainOpsTest : public PagesTest {
protected:
    int32_t textBox(std::string_view text)
    {
        const int32_t box = addTextBox(layout(), 0, rect(0, 0, 100, 100)).ref();
        if (!text.empty())
            setText(layout(), box, text);
        return box;
    }
    std::string textOf(int32_t box)
    {
        const std::u16string& text = layout().stories().storyOfBox(box)->text();
        return std::string(text.begin(), text.end());
    }
    std::vector<int32_t> chainOf(int32_t box)
    {
        return layout().stories().chain(layout().stories().storyOfBox(box)->ref());
    }
};

TEST_F(TextChainOpsTest, LinkBoxesJoinsTwoChainsAndTheirText)
{
    const int32_t a = textBox("one ");
    const int32_t b = textBox("two ");
    const int32_t c = textBox("three");
    ASSERT_EQ(hostOp<xt::op::LinkBoxes>()(b, c, 1), 0);
    ASSERT_EQ(hostOp<xt::op::LinkBoxes>()(a, b, 1), 0) << "a chain of two joins after a";
    EXPECT_EQ(chainOf(a), (std::vector<int32_t>{a, b, c}));
    EXPECT_EQ(textOf(c), "one two three");
    EXPECT_NE(hostOp<xt::op::LinkBoxes>()(c, a, 1), 0) << "a loop is refused";
    EXPECT_NE(hostOp<xt::op::LinkBoxes>()(a, textBox("x"), 1), 0) << "a box with a box after it";
}

TEST_F(TextChainOpsTest, UnlinkChainBoxSplitsAtAnyLink)
{
    struct Case {
        const char* name;
        int32_t how;
        std::vector<std::vector<size_t>> chains; // by place among the four boxes
    };
    const Case cases[] = {
        {"the box taken out", 0, {{0, 2, 3}, {1}}},
        {"the link into it cut", 1, {{0}, {1, 2, 3}}},
        {"the link out of it cut", 2, {{0, 1}, {2, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int32_t> boxes = {textBox("abcd"), textBox(""), textBox(""), textBox("")};
        for (size_t i = 0; i + 1 < boxes.size(); ++i)
            ASSERT_TRUE(host::model::linkTextBoxes(layout(), boxes[i], boxes[i + 1]));
        ASSERT_EQ(hostOp<xt::op::UnlinkChainBox>()(boxes[1], c.how), 0);
        for (const auto& chain : c.chains) {
            std::vector<int32_t> expected;
            for (size_t at : chain)
                expected.push_back(boxes[at]);
            EXPECT_EQ(chainOf(expected.front()), expected);
        }
        EXPECT_EQ(textOf(boxes[0]), "abcd") << "the text stays with the chain's start";
        EXPECT_EQ(textOf(boxes[c.chains[1].front()]), "") << "the part split off starts empty";
    }
    const int32_t lone = textBox("x");
    EXPECT_NE(hostOp<xt::op::UnlinkChainBox>()(lone, 1), 0) << "no link into a lone box";
    EXPECT_NE(hostOp<xt::op::UnlinkChainBox>()(lone, 2), 0);
    EXPECT_NE(hostOp<xt::op::UnlinkChainBox>()(lone, 3), 0);
}

TEST_F(TextChainOpsTest, CutAndPasteMoveTextWithItsAttributes)
{
    const int32_t from = textBox("plain bold plain");
    const int32_t into = textBox("<>");
    layout().stories().storyOfBox(from)->setCharacterValue({6, 10}, xt::kCharSize, pt(20));
    select(layout(), {from});
    items().selection().setTool(1);
    layout().stories().storyOfBox(from)->select(6, 11);
    ASSERT_EQ(hostOp<xt::op::XmoOp832>()(1), 0);
    ASSERT_EQ(hostOp<xt::op::XaqOp2966>()(0xCC), 0);
    EXPECT_EQ(textOf(from), "plain plain");

    select(layout(), {into});
    layout().stories().storyOfBox(into)->select(1, 1);
    ASSERT_EQ(hostOp<xt::op::XmoOp832>()(1), 0);
    ASSERT_EQ(hostOp<xt::op::XaqOp2966>()(0xCE), 0);
    const host::model::Story& story = *layout().stories().storyOfBox(into);
    EXPECT_EQ(textOf(into), "<bold >");
    EXPECT_EQ(story.characterValue({1, 5}, xt::kCharSize), pt(20));
    EXPECT_NE(story.characterValue({5, 6}, xt::kCharSize), pt(20));
    EXPECT_EQ(story.selection().start, 6) << "the insertion point follows the pasted text";

    items().selection().setTool(0);
    ASSERT_EQ(hostOp<xt::op::XmoOp832>()(1), 0);
    EXPECT_NE(hostOp<xt::op::XaqOp2966>()(0xCC), 0) << "the item tool cuts no text";
}

TEST_F(TextChainOpsTest, ToolboxOp2074ReadsTheNumberATextStartsWith)
{
    struct Case {
        const char* text;
        int32_t number;
    };
    const Case cases[] = {
        {"42", 42}, {"  7 pages", 7}, {"-3", -3}, {"+5", 5}, {"x1", 0}, {"", 0},
        {"99999999999", 2147483647}, // held at the limit
        {"-99999999999", -2147483647 - 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hostOp<xt::op::ToolboxOp2074>()(c.text), c.number) << c.text;
    EXPECT_EQ(hostOp<xt::op::ToolboxOp2074>()(nullptr), 0);
}

} // namespace
} // namespace host_tests
