// The story model: run boundaries after edits, character and paragraph attributes by code, tabs,
// selection clamping and anchors.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "host/model/text/story.h"
#include "host/tests/text_fixture.h"

namespace host_tests {
namespace {

using host::model::Story;
using host::model::TextRange;

constexpr xt::Fixed pt(int points) { return points * xt::kFixedOne; }

/// One run as the tests expect it: [start, end) with its point size.
struct SizeRun {
    int32_t start;
    int32_t end;
    int size;
    bool operator==(const SizeRun&) const = default;
};

std::vector<SizeRun> sizeRuns(const Story& story)
{
    std::vector<SizeRun> runs;
    const auto& list = story.characterRuns();
    for (size_t i = 0; i < list.runCount(); ++i)
        runs.push_back({list.startOfRun(i), list.endOfRun(i), list.valueOfRun(i).size / xt::kFixedOne});
    return runs;
}

void PrintTo(const SizeRun& run, std::ostream* out)
{
    *out << "[" << run.start << "," << run.end << ") " << run.size << "pt";
}

/// "Hello world" with "world" at 14 pt.
Story helloWorld()
{
    Story story(1);
    story.insert(0, text("Hello world"));
    story.setCharacterValue({6, 11}, xt::kCharSize, pt(14));
    return story;
}

struct RunCase {
    const char* what;
    std::function<void(Story&)> edit;
    std::vector<SizeRun> runs;
};

TEST(StoryRuns, BoundariesAfterEdits)
{
    const RunCase cases[] = {
        {"as built", [](Story&) {}, {{0, 6, 12}, {6, 11, 14}}},
        {"typing inside a run extends it", [](Story& s) { s.insert(2, text("xx")); }, {{0, 8, 12}, {8, 13, 14}}},
        // New text takes the attributes of the character before it.
        {"typing at a boundary joins the run before", [](Story& s) { s.insert(6, text("big ")); }, {{0, 10, 12}, {10, 15, 14}}},
        {"typing at the start takes the first character's", [](Story& s) { s.insert(0, text(">")); }, {{0, 7, 12}, {7, 12, 14}}},
        {"typing at the end extends the last run", [](Story& s) { s.insert(11, text("!")); }, {{0, 6, 12}, {6, 12, 14}}},
        {"erasing across the boundary", [](Story& s) { s.erase(4, 8); }, {{0, 4, 12}, {4, 7, 14}}},
        {"erasing a whole run", [](Story& s) { s.erase(6, 11); }, {{0, 6, 12}}},
        {"a value in the middle splits a run in three", [](Story& s) { s.setCharacterValue({1, 3}, xt::kCharSize, pt(9)); },
            {{0, 1, 12}, {1, 3, 9}, {3, 6, 12}, {6, 11, 14}}},
        {"an equal value merges neighbours", [](Story& s) { s.setCharacterValue({6, 11}, xt::kCharSize, pt(12)); }, {{0, 11, 12}}},
        {"erasing the middle run merges the rest",
            [](Story& s) {
                s.setCharacterValue({2, 4}, xt::kCharSize, pt(30));
                s.erase(2, 4);
            },
            {{0, 4, 12}, {4, 9, 14}}},
        {"erasing everything leaves no run", [](Story& s) { s.erase(0, 11); }, {}},
        // An emptied story keeps the attributes of its last text for the next text.
        {"text typed into an emptied story",
            [](Story& s) {
                s.erase(0, 6);
                s.erase(0, 5);
                s.insert(0, text("new"));
            },
            {{0, 3, 14}}},
        {"out-of-range edits are clamped", [](Story& s) { s.erase(-5, 3); s.insert(99, text("?")); }, {{0, 3, 12}, {3, 9, 14}}},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.what);
        Story story = helloWorld();
        c.edit(story);
        EXPECT_EQ(sizeRuns(story), c.runs);
        int32_t total = 0;
        for (const SizeRun& run : sizeRuns(story))
            total += run.end - run.start;
        EXPECT_EQ(total, story.length()) << "the run lengths sum to the story length";
    }
}

TEST(StoryRuns, AgreeWithACharacterByCharacterModelUnderRandomEdits)
{
    // The runs must always describe exactly what a plain per-character list of sizes holds, with no two
    // neighbouring runs alike. A size set on an insertion point goes to the text typed there next.
    std::mt19937 random(20240611);
    Story story(1);
    std::vector<int> sizes;
    std::optional<std::pair<int32_t, int>> typing;
    auto pick = [&](int bound) { return static_cast<int32_t>(random() % static_cast<uint32_t>(bound)); };
    for (int step = 0; step < 2000; ++step) {
        const auto length = static_cast<int32_t>(sizes.size());
        const int32_t a = pick(length + 1);
        const int32_t b = a + pick(length - a + 1);
        switch (pick(3)) {
        case 0: {
            const int32_t count = 1 + pick(4);
            int inherited = length == 0 ? story.characterRuns().emptyValue().size / xt::kFixedOne : sizes[static_cast<size_t>(a > 0 ? a - 1 : 0)];
            if (typing && typing->first == a)
                inherited = typing->second;
            story.insert(a, std::u16string(static_cast<size_t>(count), u'x'));
            sizes.insert(sizes.begin() + a, static_cast<size_t>(count), inherited);
            typing.reset();
            break;
        }
        case 1:
            story.erase(a, b);
            if (a < b)
                typing.reset();
            sizes.erase(sizes.begin() + a, sizes.begin() + b);
            break;
        default: {
            const int size = 8 + pick(3);
            story.setCharacterValue({a, b}, xt::kCharSize, pt(size));
            std::fill(sizes.begin() + a, sizes.begin() + b, size);
            if (a == b)
                typing = std::make_pair(a, size);
            break;
        }
        }
        std::vector<int> fromRuns;
        const auto& runs = story.characterRuns();
        for (size_t i = 0; i < runs.runCount(); ++i) {
            fromRuns.insert(fromRuns.end(), static_cast<size_t>(runs.endOfRun(i) - runs.startOfRun(i)), runs.valueOfRun(i).size / xt::kFixedOne);
            if (i > 0) {
                ASSERT_FALSE(runs.valueOfRun(i) == runs.valueOfRun(i - 1)) << "step " << step << ": equal neighbours at run " << i;
            }
        }
        ASSERT_EQ(fromRuns, sizes) << "step " << step;
    }
}

TEST(StoryAttributes, BothCodeFormsNameTheSameAttribute)
{
    struct Case {
        int32_t code;
        int32_t negative;
        xt::Fixed value;
    } const cases[] = {
        {xt::kCharSize, -103, pt(20)},
        {xt::kCharHorizontalScale, -104, xt::kFixedOne / 2},
        {xt::kCharTracking, -109, pt(-10)},
        {xt::kCharFont, -101, 3},
        {xt::kCharStyle, -102, xt::kStyleBold},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        Story story = helloWorld();
        const auto plain = host::model::characterCodeOf(c.code);
        const auto negative = host::model::characterCodeOf(c.negative);
        ASSERT_TRUE(plain && negative);
        EXPECT_EQ(*plain, *negative);
        story.setCharacterValue({0, 5}, *negative, c.value);
        EXPECT_EQ(story.characterValue({0, 5}, *plain), c.value);
        EXPECT_EQ(story.characterValue({1, 2}, *plain), c.value);
    }
    EXPECT_FALSE(host::model::characterCodeOf(0));
    EXPECT_FALSE(host::model::characterCodeOf(-100));
    EXPECT_FALSE(host::model::characterCodeOf(-50));
    EXPECT_FALSE(host::model::characterCodeOf(99));
}

TEST(StoryAttributes, MixedValuesReadAsMinusOne)
{
    const Story story = helloWorld();
    EXPECT_EQ(story.characterValue({0, 11}, xt::kCharSize), xt::kMixedValue);
    EXPECT_EQ(story.characterValue({5, 7}, xt::kCharSize), xt::kMixedValue);
    EXPECT_EQ(story.characterValue({0, 11}, xt::kCharFont), 1) << "an attribute the runs share is not mixed";
    // An insertion point reads the character before it.
    EXPECT_EQ(story.characterValue({6, 6}, xt::kCharSize), pt(12));
    EXPECT_EQ(story.characterValue({7, 7}, xt::kCharSize), pt(14));
    EXPECT_EQ(story.characterValue({0, 0}, xt::kCharSize), pt(12));
}

TEST(StorySelection, IsClampedToTheStory)
{
    struct Case {
        int32_t start, end;
        TextRange expected;
    } const cases[] = {
        {2, 5, {2, 5}},
        {-3, 4, {0, 4}},
        {4, 400, {4, 11}},
        {7, 3, {3, 7}},        // reversed ends are put in order
        {-9, -2, {0, 0}},
        {50, 60, {11, 11}},
    };
    for (const Case& c : cases) {
        Story story = helloWorld();
        story.select(c.start, c.end);
        EXPECT_EQ(story.selection(), c.expected) << c.start << ", " << c.end;
    }
}

TEST(StorySelection, FollowsEdits)
{
    Story story = helloWorld();
    story.select(6, 11);
    story.insert(0, text(">> "));
    EXPECT_EQ(story.selection(), (TextRange{9, 14}));
    story.erase(8, 12);
    EXPECT_EQ(story.selection(), (TextRange{8, 10}));
    story.erase(0, story.length());
    EXPECT_EQ(story.selection(), (TextRange{0, 0}));
}

TEST(StoryAnchors, SitOnACharacterAndMoveWithTheText)
{
    Story story = helloWorld();
    story.insertAnchor(5, 0x20001);
    story.insertAnchor(6, 0x20002);
    EXPECT_EQ(story.length(), 13);
    EXPECT_EQ(story.charAt(5), xt::kAnchorCharacter);
    EXPECT_EQ(story.nextAnchor(0, 13), 5);
    EXPECT_EQ(story.nextAnchor(6, 13), 6);
    EXPECT_EQ(story.nextAnchor(7, 13), std::nullopt);
    EXPECT_EQ(story.nextAnchor(0, 5), std::nullopt) << "the end is exclusive";

    story.insert(0, text("12"));
    EXPECT_EQ(story.anchoredItem(7), 0x20001);
    EXPECT_EQ(story.anchoredItem(8), 0x20002);
    story.erase(7, 8);
    EXPECT_EQ(story.anchoredItem(7), 0x20002);
    EXPECT_EQ(story.anchors().size(), 1u);
}

TEST(StoryText, AgreesWithAPlainStringUnderEditsHereAndThere)
{
    // Edits that jump about the story as well as ones that walk along it: the text, each character,
    // copies across the place of the last edit and the anchors must read as a plain string says.
    std::mt19937 random(20261211);
    Story story(1);
    std::u16string plain;
    std::map<int32_t, int32_t> anchors;
    int32_t nextItem = 0x30001;
    auto pick = [&](int bound) { return static_cast<int32_t>(random() % static_cast<uint32_t>(bound)); };
    int32_t walk = 0;
    for (int step = 0; step < 3000; ++step) {
        const auto length = static_cast<int32_t>(plain.size());
        const int32_t a = step % 2 == 0 ? std::min(walk, length) : pick(length + 1);
        const int32_t b = a + pick(std::min(length - a, 6) + 1);
        switch (pick(4)) {
        case 0:
        case 1: {
            std::u16string added;
            for (int32_t i = pick(5); i >= 0; --i)
                added += static_cast<char16_t>(u'a' + pick(26));
            story.insert(a, added);
            plain.insert(static_cast<size_t>(a), added);
            std::map<int32_t, int32_t> moved;
            for (const auto& [at, item] : anchors)
                moved.emplace(at >= a ? at + static_cast<int32_t>(added.size()) : at, item);
            anchors = std::move(moved);
            walk = a + static_cast<int32_t>(added.size()) + 3;
            break;
        }
        case 2: {
            story.erase(a, b);
            plain.erase(static_cast<size_t>(a), static_cast<size_t>(b - a));
            std::map<int32_t, int32_t> kept;
            for (const auto& [at, item] : anchors) {
                if (at < a || at >= b)
                    kept.emplace(at >= b ? at - (b - a) : at, item);
            }
            anchors = std::move(kept);
            break;
        }
        default: {
            if (pick(3) == 0) {
                story.insertAnchor(a, nextItem);
                plain.insert(static_cast<size_t>(a), 1, static_cast<char16_t>(xt::kAnchorCharacter));
                std::map<int32_t, int32_t> moved;
                for (const auto& [at, item] : anchors)
                    moved.emplace(at >= a ? at + 1 : at, item);
                moved[a] = nextItem++;
                anchors = std::move(moved);
                break;
            }
            std::u16string written(static_cast<size_t>(b - a), u'Z');
            for (int32_t i = a; i < b; ++i) {
                if (plain[static_cast<size_t>(i)] == xt::kAnchorCharacter)
                    written[static_cast<size_t>(i - a)] = static_cast<char16_t>(xt::kAnchorCharacter);
            }
            ASSERT_TRUE(story.overwrite(a, written)) << "step " << step;
            std::copy(written.begin(), written.end(), plain.begin() + a);
            break;
        }
        }
        ASSERT_EQ(story.length(), static_cast<int32_t>(plain.size())) << "step " << step;
        if (!plain.empty()) {
            const int32_t at = pick(static_cast<int>(plain.size()));
            ASSERT_EQ(story.charAt(at), plain[static_cast<size_t>(at)]) << "step " << step;
            const int32_t count = pick(static_cast<int>(plain.size()) - at + 1);
            std::u16string copied(static_cast<size_t>(count), u'\0');
            story.copyText(at, count, copied.data());
            ASSERT_EQ(copied, plain.substr(static_cast<size_t>(at), static_cast<size_t>(count))) << "step " << step;
        }
        if (step % 50 == 0) {
            ASSERT_EQ(story.text(), plain) << "step " << step;
        }
        ASSERT_EQ(story.anchors(), anchors) << "step " << step;
    }
    EXPECT_EQ(story.text(), plain);
    EXPECT_THROW(story.charAt(story.length()), std::out_of_range);
}

} // namespace
} // namespace host_tests
