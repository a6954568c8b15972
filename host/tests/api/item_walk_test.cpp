// The item walk of a spread through the host operations: the front item, the one behind it, walks
// that delete as they go, the spread count, deleting items and what hangs on them, and the kind tests.
#include "host/model/spread_layout.h"
#include "host/tests/item_fixture.h"
#include "testing/test_text.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class ItemWalkTest : public ItemTest {
protected:
    /// Every item the walk gives for a spread (from 1) with the flag, front to back.
    std::vector<int32_t> walk(int32_t spread, int32_t flag = 0)
    {
        int32_t item = -1;
        EXPECT_EQ(hostOp<xt::op::GetFirstItem>()(layout().ref(), spread, flag, &item), 0);
        std::vector<int32_t> seen;
        for (; item != 0 && seen.size() < 100; item = hostOp<xt::op::GetNextItem>()(item, flag))
            seen.push_back(item);
        return seen;
    }
};

TEST_F(ItemWalkTest, AWalkGivesTheSpreadsTopLevelItemsFrontToBack)
{
    const int32_t back = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t other = addBox(layout(), 1, rect(0, 0, 10, 10)).ref();
    const int32_t a = addBox(layout(), 0, rect(20, 0, 30, 10)).ref();
    const int32_t b = addLine(layout(), 0, point(40, 0), point(40, 50)).ref();
    const int32_t group = addGroup(layout(), {a, b}).ref();
    const int32_t front = addTextBox(layout(), 0, rect(60, 0, 90, 90)).ref();
    select(layout(), {back, front}); // the pseudo-group of a selection is never walked

    EXPECT_EQ(walk(1), (std::vector<int32_t>{front, group, back})) << "a group's members are the plug-in's to enter";
    EXPECT_EQ(walk(1, 1), walk(1, 0));
    EXPECT_EQ(walk(2), (std::vector<int32_t>{other}));
    EXPECT_EQ(hostOp<xt::op::GetNextItem>()(back, 0), 0) << "the back item ends the walk";
}

TEST_F(ItemWalkTest, AFacingSpreadWalksTheItemsOfBothItsPages)
{
    layout().appendPage(layout().page(0).size());
    host::model::setFacingPages(layout(), true);
    const int32_t first = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t left = addBox(layout(), 1, rect(0, 0, 10, 10)).ref();
    const int32_t right = addBox(layout(), 2, rect(0, 0, 10, 10)).ref();

    EXPECT_EQ(hostOp<xt::op::GetCount1305>()(layout().ref()), 2);
    EXPECT_EQ(walk(1), (std::vector<int32_t>{first}));
    EXPECT_EQ(walk(2), (std::vector<int32_t>{right, left}));
}

TEST_F(ItemWalkTest, ACallerMayDeleteTheItemItStandsOn)
{
    std::vector<int32_t> boxes;
    for (int i = 0; i < 6; ++i)
        boxes.push_back(addBox(layout(), 0, rect(i * 10, 0, i * 10 + 5, 5)).ref());
    int32_t item = 0;
    ASSERT_EQ(hostOp<xt::op::GetFirstItem>()(layout().ref(), 1, 1, &item), 0);
    std::vector<int32_t> visited;
    while (item != 0) {
        visited.push_back(item);
        // Every other item goes, two at a time where they stand side by side, before the walk moves on.
        if (visited.size() % 2 == 1) {
            EXPECT_EQ(hostOp<xt::op::ItemOp198>()(item, 1), 0);
            const int32_t behind = hostOp<xt::op::GetNextItem>()(item, 1);
            if (behind != 0 && visited.size() == 3) {
                EXPECT_EQ(hostOp<xt::op::ItemOp198>()(behind, 1), 0);
            }
        }
        item = hostOp<xt::op::GetNextItem>()(item, 1);
    }
    EXPECT_EQ(visited, (std::vector<int32_t>{boxes[5], boxes[4], boxes[3], boxes[1], boxes[0]}))
        << "the walk goes on from a deleted item, past the one deleted behind it";
    EXPECT_EQ(walk(1), (std::vector<int32_t>{boxes[4], boxes[1]}));
}

struct SpreadCase {
    int32_t pages;
    bool facing;
    int16_t spreads;
};

const SpreadCase kSpreadCases[] = {
    {1, false, 1},
    {2, false, 2},
    {5, false, 5},
    {1, true, 1},
    {2, true, 2}, // the first page stands alone, the second starts a spread
    {4, true, 3},
    {5, true, 3},
};

TEST_F(ItemWalkTest, TheSpreadCountFollowsPagesAndFacing)
{
    for (const SpreadCase& c : kSpreadCases) {
        host::model::Layout& doc = host().newDocument({.pageCount = c.pages});
        host::model::setFacingPages(doc, c.facing);
        EXPECT_EQ(hostOp<xt::op::GetCount1305>()(doc.ref()), c.spreads) << c.pages << " pages, facing " << c.facing;
    }
    EXPECT_LT(hostOp<xt::op::GetCount1305>()(xt::DocumentRef{987654}), 0);
}

TEST_F(ItemWalkTest, AWalkOfNoSpreadIsRefusedAndAnEmptySpreadGivesNoItem)
{
    int32_t item = -1;
    EXPECT_EQ(hostOp<xt::op::GetFirstItem>()(layout().ref(), 1, 0, &item), 0);
    EXPECT_EQ(item, 0) << "an empty spread";
    const struct {
        xt::DocumentRef document;
        int32_t spread;
        bool withItem;
    } refused[] = {
        {layout().ref(), 0, true}, // spreads count from 1
        {layout().ref(), 3, true},
        {layout().ref(), 1, false},
        {xt::DocumentRef{987654}, 1, true},
    };
    for (const auto& c : refused)
        EXPECT_NE(hostOp<xt::op::GetFirstItem>()(c.document, c.spread, 0, c.withItem ? &item : nullptr), 0) << c.spread;
    EXPECT_EQ(hostOp<xt::op::GetNextItem>()(0, 0), 0);
    EXPECT_EQ(hostOp<xt::op::GetNextItem>()(987654, 0), 0) << "an item that never was ends the walk";
}

TEST_F(ItemWalkTest, DeletingATextBoxLeavesItsTextWithTheRestOfTheChain)
{
    const int32_t first = addTextBox(layout(), 0, rect(0, 0, 50, 100)).ref();
    const int32_t middle = addTextBox(layout(), 0, rect(60, 0, 110, 100)).ref();
    const int32_t last = addTextBox(layout(), 1, rect(0, 0, 50, 100)).ref();
    ASSERT_TRUE(linkChain(layout(), {first, middle, last}));
    setText(layout(), first, "A story long enough for three boxes");
    auto& blocks = layout().dataBlocks();
    blocks.holder(blocks.holderRef(host::model::HolderKind::Box, last))->set(0x41424344, {1, 2});

    EXPECT_EQ(hostOp<xt::op::ItemOp198>()(middle, 1), 0);
    EXPECT_EQ(items().find(middle), nullptr);
    EXPECT_EQ(hostOp<xt::op::GetNextLinkedBox>()(first), last);
    EXPECT_EQ(hostOp<xt::op::ItemOp198>()(last, 0), 0) << "the flag does not matter";
    EXPECT_EQ(hostOp<xt::op::GetNextLinkedBox>()(first), 0);
    EXPECT_EQ(items().find(first)->text().flags & xt::kTextRunsOn, 0) << "the box before the last no longer runs on";
    EXPECT_EQ(blocks.holder(host::model::HolderKind::Box, last), nullptr) << "the deleted box's data went with it";
    const auto* story = layout().stories().storyOfBox(first);
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->length(), 35);
    EXPECT_NE(hostOp<xt::op::ItemOp198>()(last, 1), 0) << "an item deleted already";
    EXPECT_NE(hostOp<xt::op::ItemOp198>()(0, 1), 0);
}

TEST_F(ItemWalkTest, DeletingAGroupOrASelectionTakesItsItems)
{
    const int32_t a = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t b = addBox(layout(), 0, rect(20, 0, 30, 10)).ref();
    const int32_t c = addBox(layout(), 0, rect(40, 0, 50, 10)).ref();
    const int32_t d = addBox(layout(), 0, rect(60, 0, 70, 10)).ref();
    const int32_t keep = addBox(layout(), 0, rect(80, 0, 90, 10)).ref();
    const int32_t group = addGroup(layout(), {a, b}).ref();
    EXPECT_EQ(hostOp<xt::op::ItemOp198>()(group, 1), 0);
    const int32_t selection = select(layout(), {c, d});
    EXPECT_NE(hostOp<xt::op::ItemTypeOp765>()(selection), 0);
    EXPECT_EQ(hostOp<xt::op::ItemOp198>()(selection, 1), 0);
    for (int32_t gone : {a, b, c, d, group, selection})
        EXPECT_EQ(items().find(gone), nullptr) << gone;
    EXPECT_EQ(walk(1), (std::vector<int32_t>{keep}));
    EXPECT_EQ(hostOp<xt::op::IsGroup>()(a), 0) << "a deleted reference names nothing, and is never reused";
}

TEST_F(ItemWalkTest, KindTestsAndGroupPreparation)
{
    const int32_t a = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t b = addTextBox(layout(), 0, rect(20, 0, 30, 10)).ref();
    const int32_t group = addGroup(layout(), {a, b}).ref();
    const int32_t other = addBox(layout(), 1, rect(0, 0, 10, 10)).ref();
    const int32_t selection = select(layout(), {group, other});
    const struct {
        int32_t item;
        int32_t selectionKind;
    } cases[] = {{a, 0}, {b, 0}, {group, 0}, {selection, 1}, {0, 0}, {987654, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(hostOp<xt::op::ItemTypeOp765>()(c.item), c.selectionKind) << c.item;
    EXPECT_EQ(hostOp<xt::op::XgsOp710>()(layout().ref()), 0);
    EXPECT_NE(hostOp<xt::op::XgsOp710>()(xt::DocumentRef{987654}), 0);
}

TEST_F(ItemWalkTest, FailingWalkCallsEndTheWalkOrLeaveTheItem)
{
    const int32_t back = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t front = addBox(layout(), 0, rect(20, 0, 30, 10)).ref();
    auto& faults = host().faults();
    faults.failNth("GetNextItem", 1);
    EXPECT_EQ(hostOp<xt::op::GetNextItem>()(front, 0), 0);
    faults.failNth("ItemOp198", 1);
    EXPECT_NE(hostOp<xt::op::ItemOp198>()(back, 1), 0);
    EXPECT_NE(items().find(back), nullptr);
    faults.failNth("GetFirstItem", 1);
    int32_t item = 0;
    EXPECT_NE(hostOp<xt::op::GetFirstItem>()(layout().ref(), 1, 0, &item), 0);
}

} // namespace
} // namespace host_tests
