// Linking through "Link/Relink": the selection in the order chosen, a box to the box its record names or
// to the nearest box of its width, and the chain that unlink then relink gives back.
#include <gtest/gtest.h>

#include "host/model/text/text_boxes.h"
#include "threadix/tests/threadix_fixture.h"

namespace threadix::testing {
namespace {

using host::ui::DialogAction;

class LinkCommandTest : public ThreadixTest {};

TEST_F(LinkCommandTest, TheSelectionIsLinkedInTheOrderChosen)
{
    const int32_t a = lineBox(0, 0, "one\r");
    const int32_t b = lineBox(0, 1, "two");
    const int32_t c = lineBox(0, 2, "three\r");
    select({c, a, b});
    ASSERT_TRUE(runThreadix({DialogAction::click(kLink)}));
    EXPECT_EQ(chains({c, a, b}), "a>b>c");
    EXPECT_EQ(shows(c), "three|");
    EXPECT_EQ(shows(a), "one|");
    EXPECT_EQ(shows(b), "two");
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(LinkCommandTest, KeepTextEndsEachBoxWithANextBoxCharacter)
{
    const int32_t a = lineBox(0, 0, "one");
    const int32_t b = lineBox(0, 1, "two\f");
    const int32_t c = lineBox(0, 2, "three");
    select({a, b, c});
    ASSERT_TRUE(runThreadix({DialogAction::click(kLink), DialogAction::check(kKeepText, true)}));
    const std::u16string& text = layout().stories().storyOfBox(a)->text();
    EXPECT_EQ(std::string(text.begin(), text.end()), "one\ftwo\fthree") << "one added after a, none after b";
    EXPECT_EQ(chains({a, b, c}), "a>b>c");
}

TEST_F(LinkCommandTest, UnlinkThenRelinkGivesTheChainBack)
{
    const std::vector<int32_t> boxes = threeBoxChain();
    const std::string before = shows(boxes[0]) + shows(boxes[1]) + shows(boxes[2]);
    select({boxes[1]});
    ASSERT_TRUE(runThreadix({}));
    ASSERT_EQ(chains(boxes), "a b c");

    // The first box's record names the middle box, the middle box's names the last.
    select({boxes[0]});
    ASSERT_TRUE(runThreadix({DialogAction::click(kLink)}));
    select({boxes[1]});
    ASSERT_TRUE(runThreadix({DialogAction::click(kLink)}));
    EXPECT_EQ(chains(boxes), "a>b>c");
    EXPECT_EQ(shows(boxes[0]) + shows(boxes[1]) + shows(boxes[2]), before);
    EXPECT_EQ(shows(boxes[1]), "second|");
}

TEST_F(LinkCommandTest, WithoutARecordTheNearestWidthIsTaken)
{
    // The search looks behind the box: at the items made before it.
    const int32_t same = lineBox(0, 6, "two");
    const int32_t wide = host::model::testdoc::addTextBox(layout(), 0, rect(100, 0, 114, 300)).ref();
    const int32_t box = lineBox(0, 0, "one");
    select({box});
    ASSERT_TRUE(runThreadix({DialogAction::click(kLink)}));
    EXPECT_EQ(layout().stories().nextBox(box), same);
    EXPECT_EQ(layout().stories().previousBox(wide), 0);
    EXPECT_EQ(shows(box) + shows(same), "onetwo");
}

TEST_F(LinkCommandTest, ABoxFarWiderIsNeverTaken)
{
    const int32_t wide = host::model::testdoc::addTextBox(layout(), 0, rect(100, 0, 114, 5100)).ref();
    const int32_t box = lineBox(0, 0, "one");
    select({box});
    ASSERT_TRUE(runThreadix({DialogAction::click(kLink)}));
    EXPECT_EQ(layout().stories().nextBox(box), 0);
    EXPECT_EQ(layout().stories().previousBox(wide), 0);
}

TEST_F(LinkCommandTest, AGroupAmongTheSelectionStopsTheLinking)
{
    const int32_t a = lineBox(0, 0, "one");
    const int32_t b = lineBox(0, 1, "two");
    const int32_t c = lineBox(0, 2, "three");
    const int32_t d = lineBox(0, 3, "four");
    const int32_t e = lineBox(0, 4, "five");
    const int32_t group = host::model::testdoc::addGroup(layout(), {c, d}).ref();
    select({a, b, group, e});
    ASSERT_TRUE(runThreadix({DialogAction::click(kLink)}));
    EXPECT_EQ(chains({a, b, c, d, e}), "a>b c d e") << "the link made before the group stays";
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Can't link grouped boxes."});
}

TEST_F(LinkCommandTest, SelectionScopeWithNothingSelectedIsRefused)
{
    const std::vector<int32_t> boxes = threeBoxChain();
    select({});
    // With no box the dialog offers pages only; the user cannot pick Selection, so the command runs on
    // the pages instead of refusing.
    ASSERT_TRUE(runThreadix({DialogAction::setText(kPageField, "2")}));
    EXPECT_EQ(chains(boxes), "a>b>c") << "page 2 has no boxes";
}

} // namespace
} // namespace threadix::testing
