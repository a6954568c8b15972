// Spread page items and their page tables (DocumentOp864, GetBoxRecord, BoxRecordOp3010, ItemOp224),
// the window's page record (PageOp3596) and the inside margin flag (XmbOp809).
#include <vector>

#include "host/model/pages/page_table.h"
#include "host/tests/pages_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class SpreadPageTableTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        ASSERT_EQ(hostOp<xt::op::PageOp2213>()(ref(), 2, 1, 0, 0, 0), 0); // three pages
    }

    void makeFacing()
    {
        host::model::setFacingPages(layout(), true);
        host::model::MasterPage& left = layout().masters().page(0);
        host::model::MasterPage& right = layout().masters().page(1);
        left.setMargins({pt(10), pt(20), pt(30), pt(40)});  // top, bottom, left, right
        right.setMargins({pt(11), pt(21), pt(31), pt(41)});
    }

    int32_t pageItem(int32_t spread)
    {
        int32_t item = -1;
        EXPECT_EQ(hostOp<xt::op::DocumentOp864>()(ref(), spread, &item), 0) << "spread " << spread;
        return item;
    }

    std::vector<xt::PageTableEntry> table(void* record)
    {
        const auto handle = static_cast<xt::Handle>(record);
        const auto size = hostOp<xt::op::GetHandleSize>()(handle);
        const auto read = host::model::pageTableFromBytes(reinterpret_cast<const uint8_t*>(*handle), static_cast<size_t>(size));
        EXPECT_TRUE(read.has_value());
        return read.value_or(std::vector<xt::PageTableEntry>{});
    }
};

TEST_F(SpreadPageTableTest, AFacingSpreadListsItsPagesWithInsideAndOutsideMargins)
{
    makeFacing();
    void* record = hostOp<xt::op::GetBoxRecord>()(nullptr, pageItem(1), 0);
    ASSERT_NE(record, nullptr);
    const auto entries = table(record);
    ASSERT_EQ(entries.size(), 2u); // pages 2 (left) and 3 (right)
    EXPECT_EQ(entries[0].left, 0);
    EXPECT_EQ(entries[0].right, pt(612));
    EXPECT_EQ(entries[1].left, pt(612));
    EXPECT_EQ(entries[1].bottom, pt(792));
    // A left page's inside margin is its right one; a right page's its left one.
    EXPECT_EQ(entries[0].marginTop, pt(10));
    EXPECT_EQ(entries[0].marginInside, pt(40));
    EXPECT_EQ(entries[0].marginOutside, pt(30));
    EXPECT_EQ(entries[1].marginTop, pt(11));
    EXPECT_EQ(entries[1].marginInside, pt(31));
    EXPECT_EQ(entries[1].marginOutside, pt(41));
    hostOp<xt::op::ReleaseBoxRecord>()(record, 1);

    struct Case {
        int32_t page;
        uint8_t insideIsLeft;
    } const cases[] = {{1, 1}, {2, 0}, {3, 1}};
    for (const Case& c : cases) {
        uint8_t flag = 9;
        ASSERT_EQ(hostOp<xt::op::XmbOp809>()(ref(), c.page, &flag), 0);
        EXPECT_EQ(flag, c.insideIsLeft) << "page " << c.page;
    }
}

TEST_F(SpreadPageTableTest, MarginsHandedBackAreWrittenIntoThePagesMasters)
{
    makeFacing();
    void* record = hostOp<xt::op::GetBoxRecord>()(nullptr, pageItem(1), 0);
    ASSERT_NE(record, nullptr);
    auto* entries = reinterpret_cast<xt::PageTableEntry*>(*static_cast<xt::Handle>(record) + xt::kPageTableEntries);
    entries[1].marginTop = pt(50);
    entries[1].marginInside = pt(60); // page 3 is a right page: its left margin
    ASSERT_EQ(hostOp<xt::op::BoxRecordOp3010>()(record, 0, 0, 0), 0);
    hostOp<xt::op::ReleaseBoxRecord>()(record, 1);

    const host::model::PageMargins& right = layout().masters().page(1).margins();
    EXPECT_EQ(right.top, pt(50));
    EXPECT_EQ(right.left, pt(60));
    EXPECT_EQ(right.right, pt(41));
    EXPECT_EQ(layout().masters().page(0).margins().top, pt(10)); // the left master is as it was
}

TEST_F(SpreadPageTableTest, MarginsThatLeaveNoLiveAreaAreRefused)
{
    void* record = hostOp<xt::op::GetBoxRecord>()(nullptr, pageItem(0), 0);
    ASSERT_NE(record, nullptr);
    auto* entries = reinterpret_cast<xt::PageTableEntry*>(*static_cast<xt::Handle>(record) + xt::kPageTableEntries);
    entries[0].marginInside = pt(400);
    entries[0].marginOutside = pt(400);
    EXPECT_EQ(hostOp<xt::op::BoxRecordOp3010>()(record, 0, 0, 0), -1);
    hostOp<xt::op::ReleaseBoxRecord>()(record, 1);
    EXPECT_EQ(layout().masters().page(0).margins().left, pt(36));
}

TEST_F(SpreadPageTableTest, APageItemHasTheSpreadsBoundsAndIsKeptAcrossCalls)
{
    makeFacing();
    const int32_t item = pageItem(1);
    EXPECT_EQ(pageItem(1), item);
    EXPECT_NE(pageItem(0), item);
    xt::FixedRect bounds{};
    ASSERT_EQ(hostOp<xt::op::ItemOp224>()(item, &bounds.top, 0, 0), 0);
    EXPECT_TRUE(sameRect(bounds, rect(0, 0, 792, 1224))) << describe(bounds);

    int32_t none = -1;
    EXPECT_EQ(hostOp<xt::op::DocumentOp864>()(ref(), 2, &none), -1); // three facing pages: two spreads
    EXPECT_EQ(none, 0);
    EXPECT_EQ(hostOp<xt::op::DocumentOp864>()(ref(), -1, &none), -1);
}

TEST_F(SpreadPageTableTest, TheWindowPageRecordNamesTheCurrentPageAndItsSpread)
{
    makeFacing();
    ASSERT_EQ(hostOp<xt::op::DocumentOp868>()(window(), 3), 0);
    xt::PlaceRecord record{};
    ASSERT_EQ(hostOp<xt::op::PageOp3596>()(window(), &record), 0);
    EXPECT_EQ(record.spread, 1);
    EXPECT_EQ(record.pageNumber, 3);
    EXPECT_EQ(record.placeInSpread, 1);
    EXPECT_EQ(hostOp<xt::op::PageOp3596>()(0, &record), -1);
}

TEST_F(SpreadPageTableTest, AMasterSpreadsPageItemIsGivenWhileTheWindowShowsMasters)
{
    makeFacing();
    ASSERT_EQ(hostOp<xt::op::XmbOp3597>()(window(), 1), 0);
    void* record = hostOp<xt::op::GetBoxRecord>()(nullptr, pageItem(0), 0);
    ASSERT_NE(record, nullptr);
    const auto entries = table(record);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].marginTop, pt(10));
    EXPECT_EQ(entries[1].marginTop, pt(11));
    hostOp<xt::op::ReleaseBoxRecord>()(record, 1);
}

} // namespace
} // namespace host_tests
