// Guide lists through GuideOp2627 and GuideOp2630: page and spread lists, kinds, master pages, and refusals.
#include <cstring>
#include <vector>

#include "host/tests/pages_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class GuidesTest : public PagesTest {
protected:
    void TearDown() override
    {
        if (m_handle)
            hostOp<xt::op::DisposeHandle>()(m_handle);
        PagesTest::TearDown();
    }

    struct Listed {
        int16_t vertical = -1, horizontal = -1;
        std::vector<xt::GuideEntry> entries;
    };

    Listed read(int32_t page, uint8_t set = 0)
    {
        if (!m_handle)
            m_handle = hostOp<xt::op::NewHandle>()(0);
        Listed listed;
        EXPECT_EQ(hostOp<xt::op::GuideOp2627>()(ref(), page, set, &m_handle), 0);
        const auto header = xt::readAt<xt::GuideListHeader>(*m_handle);
        listed.vertical = header.verticalCount;
        listed.horizontal = header.horizontalCount;
        // The list gives each position 1 pt higher than the guide's place; the cases compare places.
        for (int i = 0; i < header.verticalCount + header.horizontalCount; ++i) {
            listed.entries.push_back(xt::readAt<xt::GuideEntry>(*m_handle, xt::kGuideListEntries + 40 * i));
            listed.entries.back().position -= pt(1);
        }
        EXPECT_EQ(hostOp<xt::op::GetHandleSize>()(m_handle), static_cast<int32_t>(8 + 40 * listed.entries.size()));
        return listed;
    }

    xt::GuideEntry guide(double position, uint16_t flags = 0)
    {
        xt::GuideEntry entry{};
        entry.position = pt(position);
        entry.colour = xt::fourCC("GRD1");
        entry.flags = flags;
        entry.reserved3[0] = 0xAB; // bytes the host does not model come back as given
        return entry;
    }

    /// Adds a guide to the list that the page number and set name, as a user drawing one would;
    /// GuideOp2630 only replaces.
    int32_t add(int32_t page, int32_t kind, const xt::GuideEntry& entry, int32_t set = 0)
    {
        const auto key = host::model::guideListOf(layout(), page, set);
        if (!key)
            return -1;
        layout().guides().add(*key, static_cast<host::model::GuideKind>(kind), entry);
        return 0;
    }

    xt::Handle m_handle = nullptr;
};

TEST_F(GuidesTest, GuidesAreListedVerticalFirstWithTheirBytesKept)
{
    ASSERT_EQ(add(1, xt::kGuideHorizontal, guide(100)), 0);
    ASSERT_EQ(add(1, xt::kGuideVertical, guide(50, xt::kGuideLocked)), 0);
    ASSERT_EQ(add(1, xt::kGuideVertical, guide(70)), 0);

    const Listed listed = read(1);
    EXPECT_EQ(listed.vertical, 2);
    EXPECT_EQ(listed.horizontal, 1);
    ASSERT_EQ(listed.entries.size(), 3u);
    EXPECT_EQ(listed.entries[0].position, pt(50));
    EXPECT_EQ(listed.entries[0].flags, xt::kGuideLocked);
    EXPECT_EQ(listed.entries[1].position, pt(70));
    EXPECT_EQ(listed.entries[2].position, pt(100));
    EXPECT_EQ(listed.entries[2].colour, xt::fourCC("GRD1"));
    EXPECT_EQ(listed.entries[2].reserved3[0], 0xAB);
    EXPECT_EQ(read(2).entries.size(), 0u) << "page 2 has its own list";
}

TEST_F(GuidesTest, AGuideIsReplacedByKindAndIndex)
{
    ASSERT_EQ(add(2, xt::kGuideVertical, guide(10)), 0);
    ASSERT_EQ(add(2, xt::kGuideHorizontal, guide(20)), 0);
    const xt::GuideEntry moved = guide(15);
    ASSERT_EQ(hostOp<xt::op::GuideOp2630>()(ref(), 2, xt::kGuideHorizontal, 0, &moved, 0), 0);
    const Listed listed = read(2);
    EXPECT_EQ(listed.entries[0].position, pt(10)) << "the vertical guide stays";
    EXPECT_EQ(listed.entries[1].position, pt(15));

    EXPECT_NE(hostOp<xt::op::GuideOp2630>()(ref(), 2, xt::kGuideHorizontal, 1, &moved, 0), 0) << "one past the end";
    EXPECT_EQ(read(2).entries.size(), 2u) << "a refused write adds no guide";
    EXPECT_NE(hostOp<xt::op::GuideOp2630>()(ref(), 2, 3, 0, &moved, 0), 0) << "no kind 3";
    EXPECT_NE(hostOp<xt::op::GuideOp2630>()(ref(), 9, xt::kGuideVertical, 0, &moved, 0), 0) << "no page 9";
    EXPECT_NE(hostOp<xt::op::GuideOp2630>()(ref(), 2, xt::kGuideVertical, 0, nullptr, 0), 0);
}

TEST_F(GuidesTest, SpreadListsAreSharedByTheSpreadsPages)
{
    host::model::setFacingPages(layout(), true);
    layout().appendPage({});
    ASSERT_EQ(add(2, xt::kGuideVertical, guide(700), xt::kGuideSpreadSet), 0);
    EXPECT_EQ(read(3, xt::kGuideSpreadSet).entries.size(), 1u) << "pages 2 and 3 share a spread";
    EXPECT_EQ(read(1, xt::kGuideSpreadSet).entries.size(), 0u);
    EXPECT_EQ(read(2, xt::kGuidePageSet).entries.size(), 0u) << "the page list is another list";
}

TEST_F(GuidesTest, MasterPagesHaveTheirOwnListsInMasterView)
{
    ASSERT_EQ(add(1, xt::kGuideVertical, guide(10)), 0);
    ASSERT_EQ(hostOp<xt::op::XmbOp3597>()(window(), 1), 0);
    ASSERT_EQ(add(4, xt::kGuideVertical, guide(20, xt::kGuideOnMaster)), 0);
    const Listed master = read(4);
    ASSERT_EQ(master.entries.size(), 1u);
    EXPECT_EQ(master.entries[0].position, pt(20));
    ASSERT_EQ(hostOp<xt::op::XmbOp3597>()(window(), 0), 0);
    EXPECT_EQ(read(1).entries[0].position, pt(10));
}

TEST_F(GuidesTest, AMissingOrLockedBlockIsRefused)
{
    xt::Handle none = nullptr;
    EXPECT_NE(hostOp<xt::op::GuideOp2627>()(ref(), 1, 0, &none), 0);
    EXPECT_NE(hostOp<xt::op::GuideOp2627>()(ref(), 1, 0, nullptr), 0);
    ASSERT_EQ(add(1, xt::kGuideVertical, guide(10)), 0);
    xt::Handle locked = hostOp<xt::op::NewHandle>()(0);
    hostOp<xt::op::LockHandle>()(locked);
    EXPECT_NE(hostOp<xt::op::GuideOp2627>()(ref(), 1, 0, &locked), 0) << "a locked block cannot grow";
    hostOp<xt::op::UnlockHandle>()(locked);
    hostOp<xt::op::DisposeHandle>()(locked);
}

} // namespace
} // namespace host_tests
