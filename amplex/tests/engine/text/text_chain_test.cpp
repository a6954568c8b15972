// A story that runs through linked boxes is scaled once: by the box the Document mode reaches first
// (the others carry the "VRN1" marker), box by box in the Selection mode, and by the boxes inside the
// page range in the "From page" mode.
#include "amplex/tests/text_scale_fixture.h"

namespace amplex::testing {
namespace {

class TextChainTest : public TextScaleTest {
protected:
    void SetUp() override
    {
        TextScaleTest::SetUp();
        settings().ScaleLeading = 1;
        // Eight short paragraphs through three boxes, one box on each page.
        std::string text;
        for (int i = 0; i < 8; ++i)
            text += "Line of text\r";
        for (size_t page = 0; page < 3; ++page)
            m_boxes.push_back(textBox(rect(20, 20, 50, 120), page == 0 ? text : std::string_view{}, page));
        host::model::linkTextBoxes(layout(), m_boxes[0], m_boxes[1]);
        host::model::linkTextBoxes(layout(), m_boxes[1], m_boxes[2]);
        m_length = story(m_boxes[0]).length();
        m_first = firstOffsets(m_boxes[0]);
        ASSERT_EQ(m_first.size(), 3u);
        ASSERT_TRUE(0 == m_first[0] && m_first[0] < m_first[1] && m_first[1] < m_first[2] && m_first[2] < m_length)
            << "the text must reach every box";
    }

    /// The characters of [start, end) whose size is not `size`.
    int32_t offsetsNotAt(int32_t start, int32_t end, double size)
    {
        int32_t count = 0;
        for (int32_t offset = start; offset < end; ++offset)
            count += sizeAt(m_boxes[0], offset) != pt(size);
        return count;
    }

    std::vector<int32_t> m_boxes;
    std::vector<int32_t> m_first;
    int32_t m_length = 0;
};

TEST_F(TextChainTest, DocumentModeScalesTheStoryThroughTheFirstBoxReached)
{
    settings().ScaleWhat = ScaleDocument;
    setFactors(0.5, 0.5);
    m_text->scaleTextBox(m_boxes[0]);
    EXPECT_EQ(offsetsNotAt(0, m_length, 6), 0);
    EXPECT_FALSE(hasDoneMarker(m_boxes[0]));
    EXPECT_TRUE(hasDoneMarker(m_boxes[1]));
    EXPECT_TRUE(hasDoneMarker(m_boxes[2]));

    // The marked boxes leave the text alone when the scale reaches them, and lose their marker.
    m_text->scaleTextBox(m_boxes[2]);
    m_text->scaleTextBox(m_boxes[1]);
    EXPECT_EQ(offsetsNotAt(0, m_length, 6), 0);
    for (int32_t box : m_boxes)
        EXPECT_FALSE(hasDoneMarker(box)) << "box " << box;
}

TEST_F(TextChainTest, SelectionModeScalesTheBoxsOwnCharacters)
{
    setFactors(0.5, 0.5);
    m_text->scaleTextBox(m_boxes[1]);
    EXPECT_EQ(offsetsNotAt(0, m_first[1], 12), 0);
    EXPECT_EQ(offsetsNotAt(m_first[1], m_first[2], 6), 0);
    EXPECT_EQ(offsetsNotAt(m_first[2], m_length, 12), 0);
    for (int32_t box : m_boxes)
        EXPECT_FALSE(hasDoneMarker(box)) << "no marker in the Selection mode";
}

TEST_F(TextChainTest, AGivenRangeReplacesTheBoxsOwnAndIsHeldToTheStory)
{
    const struct {
        int32_t start, end;
        int32_t scaledFrom, scaledTo;  // what the scale covers; -1 for the story's length
    } cases[] = {
        {2, 5, 2, 5},
        {-3, 1000, 0, -1},  // held to the story
    };
    setFactors(0.5, 0.5);
    for (const auto& c : cases) {
        story(m_boxes[0]).setCharacterValue({0, m_length}, xt::kCharSize, pt(12));
        m_text->setTextScaleRange(c.start, c.end);
        m_text->scaleTextBox(m_boxes[1]);
        const int32_t to = c.scaledTo < 0 ? m_length : c.scaledTo;
        EXPECT_EQ(offsetsNotAt(0, c.scaledFrom, 12), 0) << c.start;
        EXPECT_EQ(offsetsNotAt(c.scaledFrom, to, 6), 0) << c.start;
        EXPECT_EQ(offsetsNotAt(to, m_length, 12), 0) << c.start;
        int32_t start = 0;
        int32_t end = 0;
        m_text->textScaleRange(&start, &end);
        EXPECT_EQ(start, c.scaledFrom);
        EXPECT_EQ(end, to);
    }
    m_text->setTextScaleRange(0, 0);
}

TEST_F(TextChainTest, AllBoxesOfAChainSelectedScaleTheStoryOnce)
{
    setFactors(0.5, 0.5);
    host::model::testdoc::select(layout(), m_boxes);
    m_text->scaleSelection();
    EXPECT_EQ(offsetsNotAt(0, m_length, 6), 0);
    EXPECT_TRUE(m_host->messageBoxes().empty()) << "a chain inside the selection needs no question";
}

TEST_F(TextChainTest, FromPageScalesTheBoxesInsideTheRangeAndMarksNoneOutside)
{
    settings().ScaleWhat = ScalePageRange;
    setFactors(0.5, 0.5);
    m_text->setScaledPages(1, 2, 0);
    m_text->scaleTextBox(m_boxes[0]);
    EXPECT_EQ(offsetsNotAt(0, m_first[2], 6), 0) << "up to the first character outside the range";
    EXPECT_EQ(offsetsNotAt(m_first[2], m_length, 12), 0);
    EXPECT_TRUE(hasDoneMarker(m_boxes[1]));
    EXPECT_FALSE(hasDoneMarker(m_boxes[2])) << "the box after the range is left for its own scale";

    m_text->scaleTextBox(m_boxes[1]);
    EXPECT_FALSE(hasDoneMarker(m_boxes[1]));
    EXPECT_EQ(offsetsNotAt(0, m_first[2], 6), 0) << "scaled once";

    const int32_t thirdFirst = firstOffsets(m_boxes[0])[2];
    m_text->setScaledPages(3, 3, 0);
    m_text->scaleTextBox(m_boxes[2]);
    EXPECT_EQ(offsetsNotAt(thirdFirst, m_length, 6), 0);
    EXPECT_EQ(offsetsNotAt(0, m_first[2], 6), 0);
    for (int32_t box : m_boxes)
        EXPECT_FALSE(hasDoneMarker(box)) << "box " << box;
}

} // namespace
} // namespace amplex::testing
