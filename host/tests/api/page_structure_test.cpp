// Pages and spreads: page information, page places in facing spreads, the current page, master
// pages and master view, pages added and deleted, and page <-> spread conversions.
#include "host/model/limits.h"
#include "host/tests/pages_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

TEST_F(PagesTest, PageInfoCountsPagesAndMastersAndTellsFacing)
{
    xt::PageInfo info{};
    ASSERT_EQ(hostOp<xt::op::GetPageInfo>()(ref(), &info), 0);
    EXPECT_EQ(info.pageCount, 2);
    EXPECT_EQ(info.masterCount, 1);
    EXPECT_EQ(info.facing, 0);

    host::model::setFacingPages(layout(), true);
    ASSERT_EQ(hostOp<xt::op::GetPageInfo>()(ref(), &info), 0);
    EXPECT_EQ(info.masterCount, 2) << "a facing master spread has a left and a right page";
    EXPECT_EQ(info.facing, 1);
    int32_t d = -1;
    EXPECT_EQ(hostOp<xt::op::DocumentOp490>()(ref(), &d), 0);
    EXPECT_EQ(d, 1);
    EXPECT_NE(hostOp<xt::op::GetPageInfo>()(ref() + 999, &info), 0) << "no such document";
}

TEST_F(PagesTest, FacingPagesPairUpAfterTheFirstPage)
{
    host::model::setFacingPages(layout(), true);
    layout().appendPage({});
    layout().appendPage({});
    struct Case {
        int32_t page;
        int16_t spread, place;
        double left;
    };
    const Case cases[] = {
        {1, 0, 0, 0},   // the first page stands alone
        {2, 1, 0, 0},
        {3, 1, 1, 612}, // a right page starts where its left page ends
        {4, 2, 0, 0},
    };
    for (const Case& c : cases) {
        const xt::PlaceRecord record = pageRecord(c.page);
        EXPECT_EQ(record.spread, c.spread) << "page " << c.page;
        EXPECT_EQ(record.placeInSpread, c.place) << "page " << c.page;
        EXPECT_EQ(record.pageKey, c.place) << "page " << c.page;
        EXPECT_EQ(record.pageNumber, c.page);
        EXPECT_EQ(record.pageLeft, pt(c.left)) << "page " << c.page;
        EXPECT_EQ(record.pageTop, 0);
    }
    xt::PlaceRecord record{};
    EXPECT_NE(hostOp<xt::op::PageOp3594>()(window(), 5, 0, &record), 0) << "past the last page";
    EXPECT_NE(hostOp<xt::op::PageOp3594>()(window(), 0, 0, &record), 0);
}

TEST_F(PagesTest, MakingAPageCurrentDrivesSelectAll)
{
    const int32_t onFirst = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    const int32_t onSecond = addBox(layout(), 1, rect(0, 0, 10, 10)).ref();
    EXPECT_EQ(currentPageNumber(), 1);

    ASSERT_EQ(hostOp<xt::op::DocumentOp868>()(window(), 2), 0);
    EXPECT_EQ(currentPageNumber(), 2);
    ASSERT_EQ(runCommand(210), 0);
    EXPECT_EQ(currentBox(), onSecond);

    ASSERT_EQ(hostOp<xt::op::DocumentOp868>()(window(), 1), 0);
    ASSERT_EQ(runCommand(210), 0);
    EXPECT_EQ(currentBox(), onFirst);
    EXPECT_NE(hostOp<xt::op::DocumentOp868>()(window(), 3), 0) << "no page 3";
    EXPECT_NE(hostOp<xt::op::DocumentOp868>()(0, 1), 0) << "no window";
    EXPECT_EQ(currentPageNumber(), 1) << "a refused page leaves the current one";
}

TEST_F(PagesTest, MasterViewNumbersMasterPagesFromFourAndComesBack)
{
    host::model::setFacingPages(layout(), true);
    ASSERT_EQ(hostOp<xt::op::DocumentOp868>()(window(), 2), 0);
    int16_t offset = -1;
    ASSERT_EQ(hostOp<xt::op::GetPageIndexOffset>()(ref(), &offset), 0);
    EXPECT_EQ(offset, 5) << "3 + two master pages";

    ASSERT_EQ(hostOp<xt::op::XmbOp3597>()(window(), 1), 0);
    uint8_t flag = 0;
    ASSERT_EQ(hostOp<xt::op::GetWindowPageFlag>()(window(), &flag), 0);
    EXPECT_NE(flag, 0);
    EXPECT_EQ(currentPageNumber(), 4) << "the master spread's first page";
    const int32_t onMaster = addBox(layout(), 0, rect(0, 0, 5, 5)).ref();
    layout().items().setPageOf(*layout().items().find(onMaster), layout().masters().page(1).ref());
    ASSERT_EQ(hostOp<xt::op::DocumentOp868>()(window(), 5), 0);
    ASSERT_EQ(runCommand(210), 0);
    EXPECT_EQ(currentBox(), onMaster) << "select all works on a master page";
    EXPECT_EQ(pageRecord(5).pageLeft, pt(612));
    EXPECT_NE(hostOp<xt::op::DocumentOp868>()(window(), 6), 0) << "only two master pages";
    EXPECT_NE(hostOp<xt::op::XmbOp3597>()(window(), 2), 0) << "only one master spread";

    ASSERT_EQ(hostOp<xt::op::XmbOp3597>()(window(), 0), 0);
    ASSERT_EQ(hostOp<xt::op::GetWindowPageFlag>()(window(), &flag), 0);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(currentPageNumber(), 2) << "the document page shown before the masters";
}

TEST_F(PagesTest, MasterMarginsAreReadByRecordAndWrittenByIndex)
{
    xt::PlaceRecord master{};
    ASSERT_EQ(hostOp<xt::op::PageOp4222>()(ref(), 4, &master), 0);
    EXPECT_EQ(master.pageNumber, 4);
    EXPECT_NE(hostOp<xt::op::PageOp4222>()(ref(), 3, &master), 0) << "masters start at 4";

    ASSERT_EQ(hostOp<xt::op::DocumentOp5270>()(ref(), 4, pt(10), pt(20), pt(30), pt(40)), 0);
    xt::Fixed vertical[2]{}, horizontal[2]{};
    ASSERT_EQ(hostOp<xt::op::DocumentOp5216>()(ref(), &master, vertical, horizontal), 0);
    EXPECT_EQ(vertical[0], pt(10));
    EXPECT_EQ(vertical[1], pt(20));
    EXPECT_EQ(horizontal[0], pt(30));
    EXPECT_EQ(horizontal[1], pt(40));
    EXPECT_EQ(layout().setup().margins(), host::model::PageMargins{}) << "the document's own margins stay";
    EXPECT_NE(hostOp<xt::op::DocumentOp5270>()(ref(), 4, pt(500), pt(500), 0, 0), 0) << "no live area left";
}

TEST_F(PagesTest, AddedPagesComeAfterTheGivenPageAndDeletedPagesTakeTheirItems)
{
    const int32_t firstPage = layout().page(0).ref();
    addBox(layout(), 1, rect(0, 0, 10, 10));
    ASSERT_EQ(hostOp<xt::op::PageOp2213>()(ref(), 2, 1, 0x88, 0, 1), 0);
    ASSERT_EQ(layout().pageCount(), 3u);
    EXPECT_EQ(layout().page(0).ref(), firstPage);
    EXPECT_EQ(layout().page(2).size(), layout().page(0).size());

    const int32_t secondPage = layout().page(1).ref();
    ASSERT_EQ(hostOp<xt::op::PageOp859>()(ref(), 2, 2, 0x80), 0);
    EXPECT_EQ(layout().pageCount(), 2u);
    EXPECT_FALSE(layout().findPage(secondPage));
    EXPECT_TRUE(items().topLevelOnPage(secondPage).empty()) << "the page's items went with it";
    EXPECT_NE(hostOp<xt::op::PageOp859>()(ref(), 1, 2, 0x80), 0) << "the last page stays";
    EXPECT_NE(hostOp<xt::op::PageOp2213>()(ref(), 5, 1, 0x88, 0, 1), 0) << "after a page that does not exist";
}

TEST_F(PagesTest, NoPageIsAddedPastTheLayoutLimit)
{
    while (layout().pageCount() < host::model::kMostLayoutPages - 1)
        layout().appendPage({});
    const auto count = static_cast<int32_t>(layout().pageCount());
    EXPECT_NE(hostOp<xt::op::PageOp2213>()(ref(), count, 2, 0x88, 0, 1), 0) << "two would pass the limit";
    EXPECT_EQ(layout().pageCount(), host::model::kMostLayoutPages - 1);
    ASSERT_FALSE(host().messageBoxes().empty());
    EXPECT_EQ(host().messageBoxes().back().text, host::model::kPageLimitMessage);
    EXPECT_EQ(hostOp<xt::op::PageOp2213>()(ref(), count, 1, 0x88, 0, 1), 0) << "the last one fits";
}

TEST_F(PagesTest, PageAndSpreadCoordinatesConvertBothWays)
{
    host::model::setFacingPages(layout(), true);
    layout().appendPage({});
    ASSERT_EQ(hostOp<xt::op::DocumentOp868>()(window(), 3), 0);
    const xt::PlaceRecord right = pageRecord(3);

    xt::Fixed v = pt(10), h = pt(20);
    ASSERT_EQ(hostOp<xt::op::XsqOp1310>()(ref(), &right, &v, &h), 0);
    EXPECT_EQ(v, pt(10));
    EXPECT_EQ(h, pt(632));

    xt::FixedRect box = rect(10, 20, 30, 40);
    ASSERT_EQ(hostOp<xt::op::XsqOp1311>()(ref(), &right, &box), 0);
    EXPECT_EQ(box.left, pt(632));
    EXPECT_EQ(box.right, pt(652));
    ASSERT_EQ(hostOp<xt::op::XsqOp1312>()(ref(), &box), 0);
    EXPECT_EQ(box.left, pt(20)) << "back on the right page";
    EXPECT_EQ(box.top, pt(10));

    xt::FixedRect onLeft = rect(0, 100, 2, 102);
    ASSERT_EQ(hostOp<xt::op::XsqOp1312>()(ref(), &onLeft), 0);
    EXPECT_EQ(onLeft.left, pt(100)) << "the left page starts at the spread's origin";

    const xt::PlaceRecord far{0, 1, 1, 3, 0, INT32_MAX - 5};
    xt::Fixed nearEdge = pt(10);
    ASSERT_EQ(hostOp<xt::op::XsqOp1310>()(ref(), &far, nullptr, &nearEdge), 0);
    EXPECT_EQ(nearEdge, INT32_MAX) << "sums saturate";
}

TEST_F(PagesTest, ViewCallsAreRecordedAndNeverDriftTheScale)
{
    // The after-scale adjustment, twice: window value x 1.01 / document unit, then axis 0 and axis 1.
    for (int round = 0; round < 2; ++round) {
        xt::Fixed value = 0, unit = 0;
        ASSERT_EQ(hostOp<xt::op::LayoutWindowOp3552>()(window(), &value), 0);
        EXPECT_EQ(value, xt::kFixedOne) << "round " << round;
        EXPECT_EQ(hostOp<xt::op::DocumentOp3707>()(ref(), &unit), xt::kFixedOne);
        EXPECT_EQ(unit, xt::kFixedOne) << "never 0, so the plug-in can divide by it";
        const xt::Fixed a = hostOp<xt::op::FixedDivide>()(hostOp<xt::op::FixedMultiply>()(value, 0x1028F), unit);
        ASSERT_EQ(hostOp<xt::op::LayoutWindowOp513>()(window(), a, 0, 0), 0);
        ASSERT_EQ(hostOp<xt::op::LayoutWindowOp513>()(window(), a, 1, 0), 0);
    }
    const auto& calls = layout().view().calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0], (host::model::ViewCall{"LayoutWindowOp513", 0x1028F, 0}));
    EXPECT_EQ(calls[1].second, 1) << "axis 0 before axis 1";
    EXPECT_NE(hostOp<xt::op::LayoutWindowOp513>()(window(), 0, 2, 0), 0) << "no axis 2";
    EXPECT_NE(hostOp<xt::op::LayoutWindowOp513>()(0, 0, 0, 0), 0) << "no window";
    xt::Fixed unit = 0;
    EXPECT_EQ(hostOp<xt::op::DocumentOp3707>()(0, &unit), xt::kFixedOne) << "no document";
}

} // namespace
} // namespace host_tests
