// Unlinking the middle box of a three-box chain in each mode, through the menu and the dialog: the
// chains left, what each box shows, and the records a relink will read.
#include <gtest/gtest.h>

#include "threadix/tests/threadix_fixture.h"

namespace threadix::testing {
namespace {

using host::ui::DialogAction;

class UnlinkCommandTest : public ThreadixTest {};

struct ModeCase {
    const char* name;
    int32_t radio;
    const char* chains;
    std::array<const char*, 3> shows;
    std::array<int, 3> records; // the box each record names, by place in the chain (-1 none)
};

TEST_F(UnlinkCommandTest, EachModeLeavesEachBoxTheTextItsLabelNames)
{
    const ModeCase cases[] = {
        {"one chain before, one after", kSeparateChains, "a b c", {"first|", "second|", "third"}, {1, 2, -1}},
        {"flows around", kFlowAround, "a>c b", {"first|", "second|", "third"}, {1, 2, -1}},
        {"cut at end", kCutAtEnd, "a>b c", {"first|", "second|", "third"}, {-1, -1, -1}},
        {"cut at start", kCutAtStart, "a b>c", {"first|", "second|", "third"}, {-1, -1, -1}},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.name);
        newDocument(2);
        const std::vector<int32_t> boxes = threeBoxChain();
        select({boxes[1]});
        ASSERT_TRUE(runThreadix({DialogAction::click(c.radio)}));
        EXPECT_EQ(chains(boxes), c.chains);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(shows(boxes[i]), c.shows[i]) << "box " << i;
            EXPECT_EQ(recordOn(boxes[i]), c.records[i] < 0 ? 0 : boxes[static_cast<size_t>(c.records[i])]) << "box " << i;
        }
        EXPECT_TRUE(messageTexts().empty());
    }
}

TEST_F(UnlinkCommandTest, TheStoriesHoldExactlyTheTextOfTheirBoxes)
{
    // In "flows around" the chain around the box keeps the text of the boxes it still has.
    const std::vector<int32_t> boxes = threeBoxChain();
    select({boxes[1]});
    ASSERT_TRUE(runThreadix({DialogAction::click(kFlowAround)}));
    const auto text = [&](int32_t box) {
        const std::u16string& t = layout().stories().storyOfBox(box)->text();
        return std::string(t.begin(), t.end());
    };
    EXPECT_EQ(text(boxes[0]), "first\rthird");
    EXPECT_EQ(text(boxes[1]), "second\r");
}

TEST_F(UnlinkCommandTest, TheEndsOfAChainAndALoneBox)
{
    struct Case {
        const char* name;
        size_t unlinked;
        int32_t radio;
        const char* chains;
    };
    const Case cases[] = {
        {"first box, one chain after", 0, kSeparateChains, "a b>c"},
        {"last box, one chain before", 2, kSeparateChains, "a>b c"},
        {"first box, cut at start: nothing before it", 0, kCutAtStart, "a>b>c"},
        {"last box, cut at end: nothing after it", 2, kCutAtEnd, "a>b>c"},
        {"first box flows around", 0, kFlowAround, "a b>c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        newDocument(2);
        const std::vector<int32_t> boxes = threeBoxChain();
        select({boxes[c.unlinked]});
        ASSERT_TRUE(runThreadix({DialogAction::click(c.radio)}));
        EXPECT_EQ(chains(boxes), c.chains);
        std::string all;
        for (int32_t box : boxes)
            all += shows(box);
        EXPECT_EQ(all, "first|second|third") << "no text lost or doubled";
    }
}

TEST_F(UnlinkCommandTest, TextKeepsItsAttributesWhenItMoves)
{
    const std::vector<int32_t> boxes = threeBoxChain();
    auto& story = *layout().stories().storyOfBox(boxes[0]);
    story.setCharacterValue({6, 12}, xt::kCharSize, pt(9)); // "second" in 9 pt
    select({boxes[1]});
    ASSERT_TRUE(runThreadix({}));
    const auto& moved = *layout().stories().storyOfBox(boxes[1]);
    ASSERT_EQ(shows(boxes[1]), "second|");
    EXPECT_EQ(moved.characterValue({0, 6}, xt::kCharSize), pt(9));
    EXPECT_EQ(moved.characterValue({6, 7}, xt::kCharSize), pt(10));
}

TEST_F(UnlinkCommandTest, AGroupUnlinksEachOfItsBoxes)
{
    const std::vector<int32_t> boxes = threeBoxChain();
    const int32_t group = host::model::testdoc::addGroup(layout(), {boxes[1], boxes[2]}).ref();
    select({group});
    ASSERT_TRUE(runThreadix({DialogAction::click(kCutAtStart)}));
    EXPECT_EQ(chains(boxes), "a b c");
    EXPECT_EQ(shows(boxes[2]), "third");
}

TEST_F(UnlinkCommandTest, CancelChangesNothing)
{
    const std::vector<int32_t> boxes = threeBoxChain();
    select({boxes[1]});
    const std::string before = saved();
    user().cancel();
    ASSERT_TRUE(m_host->chooseMenuItem("VORNE > Threadix..."));
    EXPECT_EQ(saved(), before);
}

} // namespace
} // namespace threadix::testing
