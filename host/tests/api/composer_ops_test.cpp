// The layout probe and the composer's other answers, as text fitting and text scaling ask for them: a
// chain of three text boxes, the monospaced font at 10 pt (5 pt a character, 12 pt a line).
#include <cstring>
#include <vector>

#include "host/model/composer/font_metrics.h"
#include "host/model/text/text_boxes.h"
#include "host/tests/item_fixture.h"
#include "testing/test_text.h"
#include "win32/standin.h"

namespace host_tests {
namespace {

using namespace xt::op;
using host::model::testdoc::pt;
using host::model::testdoc::rect;

class ComposerOpsTest : public ItemTest {
protected:
    /// A box 52 x 26 with 1 pt insets holds two lines of ten characters.
    int32_t textBox(double left)
    {
        const int32_t box = host::model::testdoc::addTextBox(layout(), 0, rect(0, left, 26, left + 52)).ref();
        host::model::testdoc::setTextFrame(layout(), box, pt(1));
        host::model::testdoc::setType(layout(), box, host::model::kMonoFont, pt(10));
        return box;
    }

    void SetUp() override
    {
        ItemTest::SetUp();
        m_first = textBox(0);
        m_middle = textBox(100);
        m_last = textBox(200);
        ASSERT_TRUE(host::model::testdoc::linkChain(layout(), {m_first, m_middle, m_last}));
        m_story = host::model::testdoc::setText(layout(), m_first, kSevenLines).ref();
    }

    /// Seven words of ten characters, one a line: two lines for each box, the seventh overset.
    static constexpr const char* kSevenLines = "aaaaaaaa1 aaaaaaaa2 aaaaaaaa3 aaaaaaaa4 aaaaaaaa5 aaaaaaaa6 aaaaaaaa7";

    struct Probe {
        int32_t status;
        int32_t a;
        int32_t first;
        std::vector<xt::LineRecord> lines;
    };

    Probe probe(int32_t box)
    {
        Probe result{};
        result.a = box;
        int32_t scratch = 1234;
        xt::Handle block = hostOp<NewHandle>()(0);
        result.status = hostOp<CopyTextToHandle2828>()(&result.a, &result.first, 0, &scratch, &block);
        EXPECT_EQ(scratch, 1234) << "the fourth argument is left alone";
        const int32_t size = hostOp<GetHandleSize>()(block);
        EXPECT_EQ(size % 76, 0);
        result.lines.resize(static_cast<size_t>(size / 76));
        std::memcpy(result.lines.data(), *block, static_cast<size_t>(size));
        hostOp<DisposeHandle>()(block);
        return result;
    }

    int32_t m_first = 0, m_middle = 0, m_last = 0, m_story = 0;
};

TEST_F(ComposerOpsTest, ChainOrderAndFirstOffsetsOfEachBox)
{
    EXPECT_EQ(hostOp<GetPreviousLinkedBox>()(m_first), 0);
    EXPECT_EQ(hostOp<GetNextLinkedBox>()(m_first), m_middle);
    EXPECT_EQ(hostOp<GetPreviousLinkedBox>()(m_last), m_middle);
    EXPECT_EQ(hostOp<GetNextLinkedBox>()(m_last), 0);

    struct Case {
        int32_t box;
        int32_t first;
        size_t records;
    } const cases[] = {{m_first, 0, 8}, {m_middle, 20, 6}, {m_last, 40, 4}};
    for (const Case& c : cases) {
        const Probe result = probe(c.box);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.first, c.first);
        EXPECT_EQ(result.lines.size(), c.records) << "lines from the box on, and the closing record";
    }
    int32_t story = 0;
    hostOp<GetBoxTextInfo>()(m_middle, &story, nullptr, nullptr, nullptr);
    EXPECT_EQ(story, m_story) << "one story for the whole chain";
}

TEST_F(ComposerOpsTest, TheProbeOnTheCurrentBoxGivesTheSelectionEnd)
{
    hostOp<SetCurrentBox>()(m_middle);
    hostOp<SetTextSelection>()(m_story, 21, 27, 0);
    const Probe result = probe(0);
    EXPECT_EQ(result.a, 27);
    EXPECT_EQ(result.first, 20);
}

TEST_F(ComposerOpsTest, TheLastRecordMarksOverflow)
{
    // The seventh line is below the last box.
    Probe result = probe(m_first);
    ASSERT_EQ(result.lines.size(), 8u);
    EXPECT_EQ(fieldAt<int32_t>(&result.lines.back(), 48), 0x7CCCCCCC);
    EXPECT_EQ(fieldAt<int32_t>(&result.lines[5], 48), 0) << "a line in a later box fits";
    EXPECT_EQ(fieldAt<int32_t>(&result.lines[6], 48), 0x7CCCCCCC);
    EXPECT_EQ(fieldAt<int32_t>(&result.lines[6], 0), 60);

    host::model::testdoc::setText(layout(), m_first, "aaaaaaaa1 aaaaaaaa2 aaaaaaaa3");
    result = probe(m_first);
    EXPECT_EQ(fieldAt<int32_t>(&result.lines.back(), 48), 0);
    EXPECT_EQ(fieldAt<int32_t>(&result.lines.back(), 0), 29);
}

TEST_F(ComposerOpsTest, DepthsAtByteSixtyIncludeTheInsets)
{
    const Probe result = probe(m_first);
    // Box-top depths: 1 + 0 + 1, 1 + 12 + 1 in each box; the overset line 1 + 24 + 1; closing 1 + 36 + 1.
    const int depths[] = {2, 14, 2, 14, 2, 14, 26, 38};
    ASSERT_EQ(result.lines.size(), 8u);
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(fieldAt<xt::Fixed>(&result.lines[i], 60), pt(depths[i])) << i;
}

TEST_F(ComposerOpsTest, GrowingABoxRecomposes)
{
    // The first box taller by one line: the chain shifts by one line.
    host::model::Item& item = *items().find(m_first);
    item.setRect(rect(0, 0, 38, 52));
    EXPECT_EQ(probe(m_middle).first, 30);
    EXPECT_EQ(hostOp<TextOp687>()(m_first, 25, 0), m_first);
    EXPECT_EQ(hostOp<TextOp687>()(m_first, 45, 0), m_middle);
    EXPECT_EQ(hostOp<TextOp687>()(m_first, 68, 0), m_last) << "nothing is overset any more";
}

TEST_F(ComposerOpsTest, BoxHoldingAnOffsetAndItsPosition)
{
    struct Case {
        int32_t offset;
        int32_t box;
    } const cases[] = {{0, 0}, {19, 0}, {20, 1}, {39, 1}, {40, 2}, {59, 2}, {60, 3}, {68, 3}, {69, 3}};
    const int32_t boxes[] = {m_first, m_middle, m_last, 0};
    for (const Case& c : cases)
        EXPECT_EQ(hostOp<TextOp687>()(m_first, c.offset, 0), boxes[c.box]) << c.offset;

    xt::Fixed x = 0, y = 0;
    uint8_t stop = 9;
    ASSERT_EQ(hostOp<TextOffsetPosition404>()(m_middle, 23, &x, &y, &stop, 1), 0);
    EXPECT_EQ(x, pt(1 + 15));
    EXPECT_EQ(y, pt(1 + 10)) << "the baseline, from the box's top";
    EXPECT_EQ(stop, 0);
    ASSERT_EQ(hostOp<TextOffsetPosition404>()(m_middle, 45, &x, &y, &stop, 1), 0);
    EXPECT_EQ(stop, 1) << "that offset is not set in this box";
}

TEST_F(ComposerOpsTest, TheProbeRefusesWhatIsNoTextBox)
{
    const int32_t plain = host::model::testdoc::addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    xt::Handle block = hostOp<NewHandle>()(76);
    int32_t a = plain, b = -1;
    EXPECT_NE(hostOp<CopyTextToHandle2828>()(&a, &b, 0, nullptr, &block), 0);
    EXPECT_EQ(hostOp<GetHandleSize>()(block), 0) << "no line records";
    EXPECT_EQ(a, plain);
    hostOp<DisposeHandle>()(block);
}

TEST_F(ComposerOpsTest, TheProbeReportsAFullMemory)
{
    xt::Handle block = hostOp<NewHandle>()(0);
    int32_t a = m_first, b = -1;
    win32::failAllocation();
    EXPECT_NE(hostOp<CopyTextToHandle2828>()(&a, &b, 0, nullptr, &block), 0);
    EXPECT_EQ(hostOp<GetHandleSize>()(block), 0);
    EXPECT_EQ(a, m_first) << "nothing written on failure";
    hostOp<DisposeHandle>()(block);
}

TEST_F(ComposerOpsTest, OverflowNeverGoesAwayAsTheTypeGrows)
{
    // Text fitting steps sizes, leading, tracking and scales up until the probe reports overflow and
    // back until it does not: each of them must only ever make the text longer.
    const int32_t box = host::model::testdoc::addTextBox(layout(), 1, rect(0, 0, 60, 120)).ref();
    const int32_t story = host::model::testdoc::setText(layout(), box, "The quick brown fox\rjumps over the lazy dog.").ref();
    hostOp<SetTextSelection>()(story, 0, 44, 0);
    struct Case {
        int32_t code;
        xt::Fixed from;
        xt::Fixed step;
    } const cases[] = {{-103, pt(4), pt(0.5)}, {-104, xt::kFixedOne / 4, xt::kFixedOne / 20}, {-109, pt(-20), pt(5)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        hostOp<SetStoryValue3094>()(story, -103, pt(12));
        hostOp<SetStoryValue3094>()(story, -104, xt::kFixedOne);
        hostOp<SetStoryValue3094>()(story, -109, 0);
        bool overflowed = false;
        int flips = 0;
        for (int k = 0; k < 60; ++k) {
            hostOp<SetStoryValue3094>()(story, c.code, c.from + k * c.step);
            const Probe result = probe(box);
            const bool overflows = fieldAt<int32_t>(&result.lines.back(), 48) == 0x7CCCCCCC;
            flips += overflows != overflowed;
            overflowed = overflows;
        }
        EXPECT_EQ(flips, 1) << "fits at first, overflows later, and never fits again";
    }
}

TEST_F(ComposerOpsTest, AutoLeadingFactorIsTwentyPercent)
{
    xt::Fixed fraction = 0;
    EXPECT_EQ(hostOp<GetAutoLeadingFactor>()(layout().ref(), &fraction), 0);
    EXPECT_EQ(fraction, 0x3333);
    EXPECT_NE(hostOp<GetAutoLeadingFactor>()(0, &fraction), 0);
}

TEST_F(ComposerOpsTest, DeletedBoxesLeaveTheChain)
{
    ASSERT_TRUE(items().remove(m_middle));
    EXPECT_EQ(hostOp<GetNextLinkedBox>()(m_first), m_last);
    EXPECT_EQ(probe(m_last).first, 20);
}

} // namespace
} // namespace host_tests
