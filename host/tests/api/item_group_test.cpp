// Groups and selections: the member list, the pseudo-group of several selected items, opening and
// re-forming a group, building a selection item by item, and the current item.
#include "host/tests/item_fixture.h"
#include "win32/standin.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class ItemGroupTest : public ItemTest {
protected:
    void SetUp() override
    {
        ItemTest::SetUp();
        m_a = addBox(layout(), 0, rect(10, 20, 30, 40)).ref();
        m_b = addBox(layout(), 0, rect(50, 10, 70, 30)).ref();
        m_c = addLine(layout(), 0, point(80, 0), point(80, 100)).ref();
    }

    std::vector<int32_t> membersOf(int32_t group)
    {
        xt::Handle list = nullptr;
        int16_t count = -1;
        EXPECT_EQ(hostOp<xt::op::GroupOp720>()(group, &list, &count), 0);
        if (!list)
            return {};
        std::vector<int32_t> members(static_cast<size_t>(count));
        std::memcpy(members.data(), *list, members.size() * sizeof(int32_t));
        win32::disposeHandle(list);
        return members;
    }

    int32_t currentBox()
    {
        int32_t box = -1;
        EXPECT_EQ(hostOp<xt::op::GetCurrentBox>()(&box), 0);
        return box;
    }

    uint8_t groupByteOf(int32_t item)
    {
        auto* record = hostOp<xt::op::GetBoxRecord>()(nullptr, item, 0);
        const auto byte = fieldAt<uint8_t>(record, 388);
        hostOp<xt::op::ReleaseBoxRecord>()(record, 1);
        return byte;
    }

    int32_t m_a = 0, m_b = 0, m_c = 0;
};

TEST_F(ItemGroupTest, AGroupListsItsMembersInAHandleTheCallerOwns)
{
    const int32_t group = addGroup(layout(), {m_a, m_b}).ref();
    const size_t handlesBefore = win32::liveHandleCount();
    EXPECT_EQ(membersOf(group), (std::vector<int32_t>{m_a, m_b}));
    EXPECT_EQ(win32::liveHandleCount(), handlesBefore) << "the test disposed the list; nothing else was made";
    EXPECT_EQ(hostOp<xt::op::GetGroupItemCount>()(group), 2);
    EXPECT_NE(hostOp<xt::op::IsGroup>()(group), 0);
    EXPECT_EQ(hostOp<xt::op::ItemTypeOp773>()(m_a), group);

    xt::Handle list = nullptr;
    int16_t count = 0;
    EXPECT_NE(hostOp<xt::op::GroupOp720>()(m_a, &list, &count), 0) << "a box has no members";
    EXPECT_EQ(list, nullptr);
}

TEST_F(ItemGroupTest, SeveralSelectedItemsAreOneGroupKindItemWithItsBitSet)
{
    const int32_t selection = select(layout(), {m_a, m_b, m_c});
    EXPECT_EQ(currentBox(), selection);
    EXPECT_EQ(groupByteOf(selection) & xt::kSelectionGroupBit, xt::kSelectionGroupBit);
    EXPECT_EQ(membersOf(selection), (std::vector<int32_t>{m_a, m_b, m_c}));
    EXPECT_NE(hostOp<xt::op::ItemTypeOp764>()(selection), 0);
    EXPECT_EQ(hostOp<xt::op::IsGroup>()(selection), 0) << "a selection is not a group";
    EXPECT_EQ(hostOp<xt::op::ItemTypeOp773>()(m_a), 0) << "selecting groups nothing";

    xt::Fixed bounds[4] = {};
    EXPECT_EQ(hostOp<xt::op::ItemOp224>()(selection, bounds, 0, 0), 0);
    EXPECT_EQ(bounds[0], pt(10));
    EXPECT_EQ(bounds[1], pt(0));
    EXPECT_EQ(bounds[2], pt(80));
    EXPECT_EQ(bounds[3], pt(100));
}

TEST_F(ItemGroupTest, ARealGroupHasTheBitClear)
{
    const int32_t group = addGroup(layout(), {m_a, m_b}).ref();
    EXPECT_EQ(groupByteOf(group), 0);
}

TEST_F(ItemGroupTest, BuildingASelectionItemByItem)
{
    const auto gather = hostOp<xt::op::GetGroupItem>();
    EXPECT_EQ(hostOp<xt::op::SetCurrentBox>()(m_c), 0);
    gather(m_c, m_a, 0);
    gather(m_c, m_b, 0);
    EXPECT_EQ(currentBox(), m_c) << "nothing changes until the last item";
    const int32_t selection = gather(m_c, m_c, 1);
    EXPECT_EQ(currentBox(), selection);
    EXPECT_EQ(membersOf(selection), (std::vector<int32_t>{m_a, m_b, m_c}));

    EXPECT_EQ(gather(0, m_b, 1), m_b) << "a selection of one is that item";
    EXPECT_EQ(gather(0, m_a, 0), m_b);
    EXPECT_EQ(gather(0, m_b, 0), m_b);
    EXPECT_EQ(gather(0, m_c, 1), selection) << "the same items give the same pseudo-group";
}

TEST_F(ItemGroupTest, TheCurrentItemIsSetClearedAndRefusedForUnknownItems)
{
    const auto setCurrent = hostOp<xt::op::SetCurrentBox>();
    EXPECT_EQ(setCurrent(m_b), 0);
    EXPECT_EQ(currentBox(), m_b);
    EXPECT_NE(setCurrent(0x7FFFFFF0), 0);
    EXPECT_EQ(currentBox(), m_b) << "a refused item leaves the selection alone";
    EXPECT_EQ(setCurrent(0), 0);
    EXPECT_EQ(currentBox(), 0);
}

TEST_F(ItemGroupTest, TheCurrentItemSlotCanBeReadAndRestored)
{
    int32_t* slot = hostOp<xt::op::ItemOp207>()();
    ASSERT_NE(slot, nullptr);
    items().select(m_a);
    const int32_t remembered = *slot;
    items().select(m_b);
    *slot = remembered;
    EXPECT_EQ(currentBox(), m_a);
    *slot = 0x7FFFFFF0;
    EXPECT_EQ(currentBox(), 0) << "a slot naming no item means no current item";
}

TEST_F(ItemGroupTest, UngroupingToASelectionAndRegroupingKeepsTheGroupsReference)
{
    const int32_t group = addGroup(layout(), {m_a, m_b}).ref();
    EXPECT_EQ(hostOp<xt::op::XgsOp3971>()(group), 0);
    const int32_t selection = currentBox();
    EXPECT_NE(selection, group);
    EXPECT_EQ(membersOf(selection), (std::vector<int32_t>{m_a, m_b}));

    EXPECT_EQ(hostOp<xt::op::XgsOp3970>()(group, 1), group);
    EXPECT_EQ(currentBox(), group);
    EXPECT_EQ(hostOp<xt::op::XgsOp712>()(group, 1), 0);
    EXPECT_EQ(currentBox(), group);
    EXPECT_EQ(groupByteOf(group), 0);
}

TEST_F(ItemGroupTest, GroupingTheSelectionMakesANewGroup)
{
    const int32_t selection = select(layout(), {m_a, m_b});
    const int32_t group = hostOp<xt::op::XgsOp3970>()(selection, 1);
    ASSERT_GT(group, 0);
    EXPECT_NE(group, selection);
    EXPECT_EQ(currentBox(), group);
    EXPECT_NE(hostOp<xt::op::IsGroup>()(group), 0);
    EXPECT_EQ(items().find(selection), nullptr) << "the selection became the group";
    EXPECT_EQ(hostOp<xt::op::ItemTypeOp773>()(m_b), group);

    items().select(m_c);
    EXPECT_LT(hostOp<xt::op::XgsOp3970>()(m_c, 1), 0) << "one item is nothing to group";
}

TEST_F(ItemGroupTest, OpeningAGroupLeavesItsMembersAndAStaleSelectionIsRefused)
{
    const int32_t group = addGroup(layout(), {m_a, m_b}).ref();
    EXPECT_EQ(hostOp<xt::op::XgsOp711>()(group), 0);
    EXPECT_TRUE(items().find(group)->isOpen());
    EXPECT_EQ(membersOf(group), (std::vector<int32_t>{m_a, m_b}));
    EXPECT_EQ(hostOp<xt::op::XgsOp712>()(group, 1), 0);
    EXPECT_FALSE(items().find(group)->isOpen());
    EXPECT_NE(hostOp<xt::op::XgsOp711>()(m_a), 0) << "a box is no group";

    const int32_t first = select(layout(), {m_a, m_c});
    const int32_t second = select(layout(), {m_b, m_c});
    EXPECT_NE(first, second);
    EXPECT_NE(hostOp<xt::op::XgsOp712>()(first, 1), 0) << "only the latest selection is kept";
}

TEST_F(ItemGroupTest, MovingAGroupMovesEveryMember)
{
    const int32_t inner = addGroup(layout(), {m_a, m_b}).ref();
    const int32_t outer = addGroup(layout(), {inner, m_c}).ref();
    EXPECT_EQ(hostOp<xt::op::BoxOp1804>()(outer, pt(5), pt(-10), 0), 0);
    EXPECT_EQ(items().find(m_a)->rect().left, pt(25));
    EXPECT_EQ(items().find(m_b)->rect().top, pt(40));
    EXPECT_EQ(items().bounds(*items().find(m_c)).left, pt(5));
    EXPECT_EQ(items().bounds(*items().find(outer)).top, pt(0));
}

TEST_F(ItemGroupTest, RemovingAnItemTakesItOutOfItsGroupAndTheSelection)
{
    const int32_t group = addGroup(layout(), {m_a, m_b}).ref();
    const int32_t selection = select(layout(), {group, m_c});
    EXPECT_TRUE(items().remove(m_b));
    EXPECT_EQ(membersOf(group), (std::vector<int32_t>{m_a}));
    EXPECT_TRUE(items().remove(group));
    EXPECT_EQ(items().find(m_a), nullptr) << "a group takes its members with it";
    EXPECT_EQ(membersOf(selection), (std::vector<int32_t>{m_c}));
}

} // namespace
} // namespace host_tests
