// Paragraphs: the three paragraph ends, attributes by code over ranges, joins on erase, and tab stops.
#include <gtest/gtest.h>

#include <random>

#include "host/model/text/story.h"
#include "host/tests/text_fixture.h"

namespace host_tests {
namespace {

using host::model::Story;
using host::model::TabStop;
using host::model::TabStops;
using host::model::TextRange;

constexpr xt::Fixed pt(int points) { return points * xt::kFixedOne; }

/// Three paragraphs ended by 13, 11 and 12, and a fourth without an end.
Story fourParagraphs()
{
    Story story(1);
    story.insert(0, text("one\rtwo\x0bthree\x0c" "four"));
    return story;
}

TEST(Paragraphs, EachOfElevenTwelveAndThirteenEndsOne)
{
    const Story story = fourParagraphs();
    struct Case {
        int32_t offset;
        TextRange paragraph;
    } const cases[] = {
        {0, {0, 4}},
        {3, {0, 4}},    // the end character belongs to its paragraph
        {4, {4, 8}},
        {7, {4, 8}},
        {8, {8, 14}},
        {14, {14, 18}},
        {18, {14, 18}}, // the story's end
    };
    for (const Case& c : cases)
        EXPECT_EQ(story.paragraphAt(c.offset), c.paragraph) << c.offset;
    EXPECT_EQ(story.paragraphsOf({2, 9}), (TextRange{0, 14}));
    EXPECT_EQ(story.paragraphsOf({4, 8}), (TextRange{4, 8}));
    EXPECT_EQ(story.paragraphsOf({5, 5}), (TextRange{4, 8})) << "an insertion point: its paragraph";
}

TEST(Paragraphs, AttributesByCodeCoverWholeParagraphs)
{
    struct Case {
        int32_t code;
        xt::Fixed value;
    } const cases[] = {
        {xt::kParaLeftIndent, pt(10)},
        {xt::kParaFirstLineIndent, pt(-6)},
        {xt::kParaRightIndent, pt(8)},
        {xt::kParaLeading, pt(16)},
        {xt::kParaSpaceBefore, pt(3)},
        {xt::kParaSpaceAfter, pt(4)},
        {xt::kParaAlignment, 2},
        {xt::kParaRuleAboveWeight, pt(2)},
        {xt::kParaRuleAboveLeftIndent, pt(1)},
        {xt::kParaRuleAboveRightIndent, pt(5)},
        {xt::kParaRuleAboveOffset, pt(7)},
        {xt::kParaRuleBelowWeight, pt(3)},
        {xt::kParaRuleBelowLeftIndent, pt(9)},
        {xt::kParaRuleBelowRightIndent, pt(11)},
        {xt::kParaRuleBelowOffset, pt(12)},
        {xt::kParaRuleAboveOffsetIsPercent, 1},
        {xt::kParaRuleBelowOffsetIsPercent, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ASSERT_TRUE(host::model::isParagraphValueCode(c.code));
        Story story = fourParagraphs();
        // One character of the second paragraph selects the whole of it.
        story.setParagraphValue({5, 6}, c.code, c.value);
        EXPECT_EQ(story.paragraphValue({4, 8}, c.code), c.value);
        EXPECT_EQ(story.paragraphValue({7, 7}, c.code), c.value);
        EXPECT_NE(story.paragraphValue({0, 4}, c.code), c.value);
        EXPECT_EQ(story.paragraphValue({0, 8}, c.code), xt::kMixedValue);
        const auto& runs = story.paragraphRuns();
        ASSERT_EQ(runs.runCount(), 3u);
        EXPECT_EQ(runs.startOfRun(1), 4);
        EXPECT_EQ(runs.endOfRun(1), 8);
    }
    EXPECT_FALSE(host::model::isParagraphValueCode(0));
    EXPECT_FALSE(host::model::isParagraphValueCode(xt::kParaTabs));
}

TEST(Paragraphs, IndentCodesAreLeftFirstLineRight)
{
    Story story = fourParagraphs();
    story.setParagraphValue({0, 1}, 0x1A, pt(1));
    story.setParagraphValue({0, 1}, 0x1B, pt(2));
    story.setParagraphValue({0, 1}, 0x1C, pt(3));
    const auto& attributes = story.paragraphAttributesAt(0);
    EXPECT_EQ(attributes.leftIndent, pt(1));
    EXPECT_EQ(attributes.firstLineIndent, pt(2));
    EXPECT_EQ(attributes.rightIndent, pt(3));
    const xt::ParagraphRecord record = host::model::paragraphRecord(attributes, 0);
    EXPECT_EQ(record.leftIndent, pt(1));
    EXPECT_EQ(record.firstLineIndent, pt(2));
    EXPECT_EQ(record.rightIndent, pt(3));
}

TEST(Paragraphs, AParagraphThatLosesItsEndJoinsTheNextWithItsOwnAttributes)
{
    Story story = fourParagraphs();
    story.setParagraphValue({0, 1}, xt::kParaLeftIndent, pt(20));
    story.setParagraphValue({4, 5}, xt::kParaLeftIndent, pt(40));
    story.erase(2, 5); // "on" + "wo\x0b..."
    EXPECT_EQ(story.paragraphAt(0), (TextRange{0, 5}));
    EXPECT_EQ(story.paragraphValue({0, 5}, xt::kParaLeftIndent), pt(20));
    const auto& runs = story.paragraphRuns();
    EXPECT_EQ(runs.endOfRun(0), 5) << "the joined paragraph is one run";
}

TEST(Paragraphs, SplitParagraphsKeepTheirAttributes)
{
    Story story = fourParagraphs();
    story.setParagraphValue({0, 1}, xt::kParaSpaceAfter, pt(6));
    story.insert(1, text("\r"));
    EXPECT_EQ(story.paragraphValue({0, 2}, xt::kParaSpaceAfter), pt(6));
    EXPECT_EQ(story.paragraphValue({2, 5}, xt::kParaSpaceAfter), pt(6));
    EXPECT_EQ(story.paragraphValue({5, 6}, xt::kParaSpaceAfter), 0);
}

TEST(TabStopsOfParagraphs, AreSetPerParagraphAndReferenced)
{
    Story story = fourParagraphs();
    TabStop left;
    left.position = pt(36);
    TabStop right;
    right.alignment = 2;
    right.position = pt(144);
    const TabStops tabs{left, right};
    story.setTabs({0, 5}, tabs);
    EXPECT_EQ(story.paragraphAttributesAt(6).tabs, tabs);
    EXPECT_TRUE(story.paragraphAttributesAt(9).tabs.empty());

    const int32_t ref = story.tabReference(tabs);
    EXPECT_NE(ref, 0);
    EXPECT_EQ(story.tabReference(tabs), ref) << "equal tab sets share a reference";
    ASSERT_NE(story.tabsOf(ref), nullptr);
    EXPECT_EQ(*story.tabsOf(ref), tabs);
    EXPECT_EQ(story.tabReference({}), 0);
    EXPECT_EQ(story.tabsOf(0), nullptr);
    EXPECT_EQ(story.tabsOf(ref + 5), nullptr);

    const xt::TabEntry entry = host::model::tabEntry(right);
    EXPECT_EQ(entry.alignment, 2);
    EXPECT_EQ(entry.position, pt(144));
    const char* bytes = reinterpret_cast<const char*>(&entry);
    EXPECT_EQ(host::model::readTabEntries(bytes, 16), (TabStops{right}));
    EXPECT_EQ(host::model::readTabEntries(bytes, 12), std::nullopt) << "not a whole number of entries";
}

TEST(Paragraphs, RunsChangeOnlyAtParagraphEndsUnderRandomEdits)
{
    std::mt19937 random(7);
    Story story(1);
    auto pick = [&](int bound) { return static_cast<int32_t>(random() % static_cast<uint32_t>(bound)); };
    const char16_t alphabet[] = {u'a', u'b', u' ', 13, 11, 12};
    for (int step = 0; step < 2000; ++step) {
        const int32_t a = pick(story.length() + 1);
        const int32_t b = a + pick(story.length() - a + 1);
        const int action = pick(3);
        if (action == 0) {
            std::u16string inserted;
            for (int32_t n = 1 + pick(5); n > 0; --n)
                inserted += alphabet[pick(6)];
            story.insert(a, inserted);
        } else if (action == 1) {
            story.erase(a, b);
        } else {
            story.setParagraphValue({a, b}, xt::kParaLeftIndent, pt(pick(4)));
        }
        const auto& runs = story.paragraphRuns();
        ASSERT_EQ(runs.length(), story.length());
        for (size_t i = 1; i < runs.runCount(); ++i)
            ASSERT_TRUE(xt::isParagraphEnd(story.charAt(runs.startOfRun(i) - 1))) << "step " << step << ", run " << i;
    }
}

TEST(Paragraphs, AnEmptyStoryKeepsWhatItsFirstTextWillTake)
{
    Story story(1);
    story.setParagraphValue({0, 0}, xt::kParaLeading, pt(30));
    story.insert(0, text("abc"));
    EXPECT_EQ(story.paragraphValue({0, 3}, xt::kParaLeading), pt(30));
}

} // namespace
} // namespace host_tests
