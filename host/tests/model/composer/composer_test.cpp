// The composer on small stories: line breaks, overflow, columns, chains of boxes, first-character offsets
// and the layout probe's line records. The stories use the monospaced font at 10 pt: every character is
// 5 pt wide and a line 12 pt high (auto leading), so the layouts can be worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/model/composer/chain_layout.h"
#include "host/model/composer/composer.h"
#include "host/model/composer/font_metrics.h"
#include "host/model/composer/line_breaker.h"
#include "host/model/text/story_store.h"
#include "host/tests/text_fixture.h"

namespace host_tests {
namespace {

using host::model::ChainLayout;
using host::model::Composition;
using host::model::Story;
using host::model::TextFrame;

constexpr xt::Fixed pt(int points) { return points * xt::kFixedOne; }

host::model::CharacterAttributes mono10()
{
    host::model::CharacterAttributes attributes;
    attributes.font = host::model::kMonoFont;
    attributes.size = pt(10);
    return attributes;
}

Story monoStory(const std::string& ascii)
{
    Story story(1, mono10());
    story.insert(0, text(ascii));
    return story;
}

/// A frame without insets: `width` x `height` points.
TextFrame frame(int width, int height, int16_t columns = 1, int gutter = 0)
{
    TextFrame f;
    f.width = pt(width);
    f.height = pt(height);
    f.insetTop = f.insetLeft = f.insetBottom = f.insetRight = 0;
    f.columns = columns;
    f.gutter = pt(gutter);
    return f;
}

std::vector<int32_t> lineStarts(const Composition& composition)
{
    std::vector<int32_t> starts;
    for (const auto& line : composition.lines)
        starts.push_back(line.start);
    return starts;
}

TEST(Composer, TheNextBoxCharacterStartsTheNextBox)
{
    const Story story = monoStory("ab\x0c" "cd\rde");
    const Composition composition = host::model::compose(story, {frame(100, 100), frame(100, 100)});
    ASSERT_EQ(lineStarts(composition), (std::vector<int32_t>{0, 3, 6}));
    EXPECT_EQ(composition.lines[0].boxIndex, 0u);
    EXPECT_EQ(composition.lines[1].boxIndex, 1u);
    EXPECT_EQ(composition.lines[1].top, composition.lines[0].top) << "at the top of the next box";
    EXPECT_EQ(composition.lines[2].boxIndex, 1u);
    EXPECT_FALSE(composition.overflows());
}

struct BreakCase {
    const char* what;
    std::string text;
    int width;
    int height;
    std::vector<int32_t> starts;
    size_t firstOverset; // index of the first overset line; the line count when all fit
};

TEST(Composer, BreaksLinesAndFindsOverflow)
{
    const BreakCase cases[] = {
        {"breaks after the space that fits", "aaaa bbbb cccc", 50, 100, {0, 10}, 2},
        {"a space at the edge hangs", "aaaaaaaaa bb", 45, 100, {0, 10}, 2},
        {"breaks after a hyphen", "well-known words", 30, 100, {0, 5, 11}, 3},
        {"cuts a word wider than the line", "abcdefghij", 20, 100, {0, 4, 8}, 3},
        // 12 also sends the text after it to the next box; with none, it is overset.
        {"11, 12 and 13 each end a line", "ab\rcd\x0b" "ef\x0cgh", 100, 100, {0, 3, 6, 9}, 3},
        {"an empty paragraph is a line", "ab\r\rcd", 100, 100, {0, 3, 4}, 3},
        {"a line ending at its paragraph end keeps the end", "abcd\rxy", 20, 100, {0, 5}, 2},
        {"lines that do not fit are overset", "aa bb cc dd", 15, 30, {0, 3, 6, 9}, 2},
        {"exactly full still fits", "aa bb", 15, 24, {0, 3}, 2},
        {"a box lower than a line holds none", "aa", 50, 10, {0}, 0},
        {"an empty story still has one line", "", 50, 50, {0}, 1},
        {"an empty story in a box lower than a line overflows", "", 50, 10, {0}, 0},
    };
    for (const BreakCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Story story = monoStory(c.text);
        const Composition composition = host::model::compose(story, {frame(c.width, c.height)});
        EXPECT_EQ(lineStarts(composition), c.starts);
        for (size_t i = 0; i < composition.lines.size(); ++i)
            EXPECT_EQ(composition.lines[i].overset, i >= c.firstOverset) << "line " << i;
        EXPECT_EQ(composition.overflows(), c.firstOverset < c.starts.size());
    }
}

TEST(Composer, AnEmptyStorysLineIsAsHighAsItsType)
{
    Story story = monoStory("");
    const Composition automatic = host::model::compose(story, {frame(50, 50)});
    ASSERT_EQ(automatic.lines.size(), 1u);
    EXPECT_EQ(automatic.lines[0].end, 0);
    EXPECT_EQ(automatic.lines[0].height, pt(12)) << "1.2 x the size of the insertion point's type";
    EXPECT_EQ(automatic.lines[0].usedWidth, 0);

    story.setParagraphValue({0, 0}, xt::kParaLeading, pt(30));
    const Composition led = host::model::compose(story, {frame(50, 50)});
    EXPECT_EQ(led.lines[0].height, pt(30)) << "the paragraph's leading";
    EXPECT_TRUE(host::model::compose(story, {frame(50, 29)}).overflows());
}

TEST(Composer, WidthsFollowHorizontalScaleAndTracking)
{
    host::model::CharacterAttributes attributes = mono10();
    EXPECT_EQ(host::model::characterAdvance('x', attributes), pt(5));
    attributes.horizontalScale = xt::kFixedOne / 2;
    EXPECT_EQ(host::model::characterAdvance('x', attributes), pt(5) / 2);
    attributes.horizontalScale = xt::kFixedOne;
    attributes.tracking = pt(20); // 20/200 em of 10 pt
    EXPECT_EQ(host::model::characterAdvance('x', attributes), pt(6));
    EXPECT_EQ(host::model::characterAdvance(13, attributes), 0) << "a paragraph end takes no width";

    Story story = monoStory("aaaa aaaa");
    story.setCharacterValue({0, 9}, xt::kCharHorizontalScale, xt::kFixedOne / 2);
    EXPECT_EQ(lineStarts(host::model::compose(story, {frame(25, 100)})), (std::vector<int32_t>{0})) << "half as wide: one line";
}

TEST(Composer, LeadingIsTheParagraphsOrTheLargestSizeOnTheLine)
{
    Story story = monoStory("aa bb\rcc");
    story.setCharacterValue({3, 5}, xt::kCharSize, pt(20));
    const Composition automatic = host::model::compose(story, {frame(100, 200)});
    ASSERT_EQ(automatic.lines.size(), 2u);
    EXPECT_EQ(automatic.lines[0].height, pt(24)) << "1.2 x the largest size";
    EXPECT_EQ(automatic.lines[1].top, pt(24));
    EXPECT_EQ(automatic.lines[1].height, pt(12));

    story.setParagraphValue({0, 1}, xt::kParaLeading, pt(30));
    story.setParagraphValue({6, 7}, xt::kParaSpaceBefore, pt(5));
    const Composition fixed = host::model::compose(story, {frame(100, 200)});
    EXPECT_EQ(fixed.lines[0].height, pt(30));
    EXPECT_EQ(fixed.lines[1].top, pt(35)) << "space before the second paragraph";
    EXPECT_EQ(fixed.lines[1].baseline, pt(35 + 12 - 2)) << "the baseline sits a descent above the line's bottom";
}

TEST(Composer, IndentsInsetsAndAlignmentPlaceTheLine)
{
    Story story = monoStory("aaaa aaaa");
    story.setParagraphValue({0, 1}, xt::kParaLeftIndent, pt(10));
    story.setParagraphValue({0, 1}, xt::kParaFirstLineIndent, pt(5));
    story.setParagraphValue({0, 1}, xt::kParaRightIndent, pt(5));
    TextFrame f = frame(60, 100);
    f.insetLeft = f.insetTop = pt(3);
    const Composition composition = host::model::compose(story, {f});
    // Column 57 wide: first line 57 - 15 - 5 = 37 (7 characters), then 42.
    ASSERT_EQ(lineStarts(composition), (std::vector<int32_t>{0, 5}));
    EXPECT_EQ(composition.lines[0].left, pt(18));
    EXPECT_EQ(composition.lines[1].left, pt(13));
    EXPECT_EQ(composition.lines[0].top, pt(3));

    story.setParagraphValue({0, 1}, xt::kParaAlignment, 2);
    const Composition right = host::model::compose(story, {f});
    EXPECT_EQ(right.lines[1].left + right.lines[1].usedWidth, pt(3 + 57 - 5)) << "flush with the right indent";
}

TEST(Composer, FillsColumnsInOrder)
{
    // Two columns of 50 pt with a 10 pt gutter, two lines each.
    const Story story = monoStory("aaaaaaaa1 aaaaaaaa2 aaaaaaaa3 aaaaaaaa4 aaaaaaaa5");
    const Composition composition = host::model::compose(story, {frame(110, 24, 2, 10)});
    ASSERT_EQ(composition.lines.size(), 5u);
    const int16_t columns[] = {0, 0, 1, 1, 1};
    const int lefts[] = {0, 0, 60, 60, 60};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(composition.lines[i].column, columns[i]) << i;
        EXPECT_EQ(composition.lines[i].left, pt(lefts[i])) << i;
    }
    EXPECT_EQ(composition.lines[2].top, 0) << "a new column starts at the top";
    EXPECT_TRUE(composition.lines[4].overset) << "the fifth line is below the last column";
    EXPECT_EQ(composition.lines[4].top, pt(24)) << "overset lines go on below the last column";
}

/// Three linked boxes of two lines each; every word fills a line.
class ChainComposer : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int32_t box : {kFirst, kMiddle, kLast})
            ASSERT_TRUE(m_stories.addTextBox(box));
        ASSERT_TRUE(m_stories.link(kFirst, kMiddle));
        ASSERT_TRUE(m_stories.link(kMiddle, kLast));
        Story& story = *m_stories.storyOfBox(kFirst);
        story.setCharacterAttributes({0, 0}, mono10());
        story.insert(0, text("aaaaaaaa1 aaaaaaaa2 aaaaaaaa3 aaaaaaaa4 aaaaaaaa5 aaaaaaaa6 aaaaaaaa7"));
    }

    ChainLayout layout(int32_t box) const
    {
        auto frames = [](int32_t) -> std::optional<TextFrame> { return frame(50, 24); };
        return *ChainLayout::of(m_stories, box, frames);
    }

    static constexpr int32_t kFirst = 101, kMiddle = 102, kLast = 103;
    host::model::ReferenceAllocator m_references;
    host::model::StoryStore m_stories{m_references};
};

TEST_F(ChainComposer, KnowsEachBoxsFirstCharacter)
{
    const ChainLayout chain = layout(kMiddle);
    EXPECT_EQ(chain.firstOffset(kFirst), 0);
    EXPECT_EQ(chain.firstOffset(kMiddle), 20);
    EXPECT_EQ(chain.firstOffset(kLast), 40);
    EXPECT_TRUE(chain.composition().overflows());

    struct Case {
        int32_t offset;
        int32_t box;
    } const holders[] = {{0, kFirst}, {19, kFirst}, {20, kMiddle}, {45, kLast}, {59, kLast}, {60, 0}, {69, 0}};
    for (const Case& c : holders)
        EXPECT_EQ(chain.boxHolding(c.offset), c.box) << c.offset;
}

TEST_F(ChainComposer, BoxesThatTheTextDoesNotReachBeginAtTheStoryEnd)
{
    Story& story = *m_stories.storyOfBox(kFirst);
    story.erase(15, story.length());
    const ChainLayout chain = layout(kFirst);
    EXPECT_EQ(chain.firstOffset(kMiddle), 15);
    EXPECT_EQ(chain.firstOffset(kLast), 15);
    EXPECT_FALSE(chain.composition().overflows());
}

TEST_F(ChainComposer, TheProbeRecordsLinesFromTheBoxToTheEnd)
{
    const std::vector<xt::LineRecord> records = layout(kMiddle).lineRecords(kMiddle);
    // Lines 3 to 7 and the closing record.
    ASSERT_EQ(records.size(), 6u);
    const int32_t starts[] = {20, 30, 40, 50, 60, 69};
    const int32_t boxes[] = {kMiddle, kMiddle, kLast, kLast, 0, 0};
    const int depths[] = {0, 12, 0, 12, 24, 36};
    for (size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(records[i].start, starts[i]);
        EXPECT_EQ(records[i].box, boxes[i]);
        EXPECT_EQ(records[i].depth, pt(depths[i]));
        EXPECT_EQ(records[i].fit, i >= 4 ? xt::kLineDoesNotFit : 0);
    }
}

TEST_F(ChainComposer, TheClosingRecordOfAFittingStoryFits)
{
    Story& story = *m_stories.storyOfBox(kFirst);
    story.erase(25, story.length());
    const std::vector<xt::LineRecord> records = layout(kFirst).lineRecords(kFirst);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records.back().start, 25);
    EXPECT_EQ(records.back().fit, 0);
    EXPECT_EQ(records.back().depth, pt(12)) << "the bottom of the last line, in its own box";
}

TEST_F(ChainComposer, AnEmptyStorysProbeSaysWhetherItsLineFits)
{
    Story& story = *m_stories.storyOfBox(kFirst);
    story.erase(0, story.length());
    struct Case {
        int height;
        int32_t fit;
    } const cases[] = {{24, 0}, {8, xt::kLineDoesNotFit}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        auto frames = [&](int32_t) -> std::optional<TextFrame> { return frame(50, c.height); };
        const std::vector<xt::LineRecord> records = ChainLayout::of(m_stories, kFirst, frames)->lineRecords(kFirst);
        ASSERT_EQ(records.size(), 2u) << "the empty line and the closing record";
        EXPECT_EQ(records[0].start, 0);
        EXPECT_EQ(records[0].fit, c.fit);
        EXPECT_EQ(records.back().fit, c.fit);
        EXPECT_EQ(records.back().depth, pt(12));
    }
}

TEST_F(ChainComposer, PositionsOfOffsets)
{
    const ChainLayout chain = layout(kFirst);
    const auto inMiddle = chain.positionOf(23);
    EXPECT_EQ(inMiddle.box, kMiddle);
    EXPECT_EQ(inMiddle.x, pt(15));
    EXPECT_EQ(inMiddle.y, pt(10));
    EXPECT_EQ(chain.positionOf(65).box, 0) << "overset";
}

TEST_F(ChainComposer, UnlinkingLeavesTheTextWithTheChain)
{
    ASSERT_TRUE(m_stories.unlink(kMiddle));
    EXPECT_EQ(m_stories.nextBox(kFirst), kLast);
    EXPECT_EQ(m_stories.previousBox(kLast), kFirst);
    EXPECT_EQ(m_stories.storyOfBox(kMiddle)->length(), 0);
    EXPECT_EQ(layout(kFirst).firstOffset(kLast), 20);
    EXPECT_FALSE(m_stories.link(kFirst, kLast)) << "a box already in the chain";
}

} // namespace
} // namespace host_tests
