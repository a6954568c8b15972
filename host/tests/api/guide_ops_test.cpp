// Guides one at a time through the operations the plug-ins call: counted (GuideOp2628), read
// (GuideOp2629), deleted unless locked (GuideOp2631), added on a page index (GuideOp3598); the list
// reporting each position 1 pt higher (GuideOp2627); guide kind colours (SetGuideKindColor, XpgOp1072).
#include "host/host_context.h"
#include "host/tests/pages_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class GuideOpsTest : public PagesTest {
protected:
    xt::GuideEntry guide(double position, uint16_t flags = 0)
    {
        xt::GuideEntry entry{};
        entry.position = pt(position);
        entry.colour = xt::fourCC("PTM1");
        entry.flags = flags;
        return entry;
    }

    int16_t pageIndexOffset()
    {
        int16_t offset = 0;
        EXPECT_EQ(hostOp<xt::op::GetPageIndexOffset>()(ref(), &offset), 0);
        return offset;
    }

    /// Adds through GuideOp3598 on a document page, which takes the page index as the callers make it.
    int32_t insert(int32_t page, int32_t kind, const xt::GuideEntry& entry, int32_t set = 0, int16_t* index = nullptr)
    {
        return hostOp<xt::op::GuideOp3598>()(ref(), page + pageIndexOffset(), kind, &entry, set, index);
    }

    int16_t count(int32_t page, int32_t kind, int32_t set = 0)
    {
        int16_t n = -1;
        EXPECT_EQ(hostOp<xt::op::GuideOp2628>()(ref(), page, kind, set, &n), 0);
        return n;
    }

    xt::Fixed positionAt(int32_t page, int32_t kind, int32_t index, int32_t set = 0)
    {
        xt::GuideEntry entry{};
        EXPECT_EQ(hostOp<xt::op::GuideOp2629>()(ref(), page, kind, index, &entry, set), 0);
        return entry.position;
    }
};

TEST_F(GuideOpsTest, GuidesAreAddedCountedAndReadAtTheirPlace)
{
    int16_t index = -1;
    ASSERT_EQ(insert(2, xt::kGuideHorizontal, guide(100), 0, &index), 0);
    EXPECT_EQ(index, 0);
    ASSERT_EQ(insert(2, xt::kGuideHorizontal, guide(200), 0, &index), 0);
    EXPECT_EQ(index, 1);
    ASSERT_EQ(insert(2, xt::kGuideVertical, guide(50)), 0);

    EXPECT_EQ(count(2, xt::kGuideHorizontal), 2);
    EXPECT_EQ(count(2, xt::kGuideVertical), 1);
    EXPECT_EQ(count(1, xt::kGuideHorizontal), 0);
    EXPECT_EQ(positionAt(2, xt::kGuideHorizontal, 1), pt(200));

    xt::GuideEntry none{};
    EXPECT_EQ(hostOp<xt::op::GuideOp2629>()(ref(), 2, xt::kGuideHorizontal, 2, &none, 0), -1); // past the end
    EXPECT_EQ(hostOp<xt::op::GuideOp2629>()(ref(), 2, 3, 0, &none, 0), -1);                    // no kind 3
    EXPECT_EQ(insert(2, xt::kGuideVertical, guide(1), 2), -1);                                 // no set 2
    EXPECT_EQ(hostOp<xt::op::GuideOp3598>()(ref(), 2, xt::kGuideVertical, &none, 0, nullptr), -1)
        << "a page number without the offset names no page";
}

TEST_F(GuideOpsTest, TheExportedListReportsEachPositionOnePointHigher)
{
    ASSERT_EQ(insert(1, xt::kGuideVertical, guide(72)), 0);
    ASSERT_EQ(insert(1, xt::kGuideHorizontal, guide(0)), 0);
    xt::Handle handle = hostOp<xt::op::NewHandle>()(0);
    ASSERT_EQ(hostOp<xt::op::GuideOp2627>()(ref(), 1, 0, &handle), 0);
    EXPECT_EQ(xt::readAt<xt::GuideEntry>(*handle, xt::kGuideListEntries).position, pt(73));
    EXPECT_EQ(xt::readAt<xt::GuideEntry>(*handle, xt::kGuideListEntries + 40).position, pt(1));
    hostOp<xt::op::DisposeHandle>()(handle);
    EXPECT_EQ(positionAt(1, xt::kGuideVertical, 0), pt(72)) << "the guide itself did not move";
}

TEST_F(GuideOpsTest, ALockedGuideIsRefusedOnDeleteAndTheOthersCloseUp)
{
    struct Case {
        uint16_t flags;
        int32_t status; // of the delete
    } const cases[] = {
        {0, 0},
        {xt::kGuideLocked, 1},
        {0x1, 1},                 // either lock bit holds the guide
        {0x2, 1},
        {xt::kGuideOnMaster, 0},  // the master flag is no lock
    };
    for (const Case& c : cases) {
        ASSERT_EQ(insert(1, xt::kGuideVertical, guide(10, c.flags)), 0);
        ASSERT_EQ(insert(1, xt::kGuideVertical, guide(20)), 0);
        EXPECT_EQ(hostOp<xt::op::GuideOp2631>()(ref(), 1, xt::kGuideVertical, 0, 0), c.status) << c.flags;
        const int16_t left = count(1, xt::kGuideVertical);
        EXPECT_EQ(left, c.status == 0 ? 1 : 2) << c.flags;
        EXPECT_EQ(positionAt(1, xt::kGuideVertical, 0), c.status == 0 ? pt(20) : pt(10)) << c.flags;
        layout().guides().clear(*host::model::guideListOf(layout(), 1, 0));
    }
    EXPECT_EQ(hostOp<xt::op::GuideOp2631>()(ref(), 1, xt::kGuideVertical, 0, 0), -1) << "no guide to delete";
}

TEST_F(GuideOpsTest, SpreadGuidesGoToThePagesSpread)
{
    host::model::setFacingPages(layout(), true);
    layout().appendPage({});
    ASSERT_EQ(insert(3, xt::kGuideVertical, guide(700), xt::kGuideSpreadSet), 0);
    EXPECT_EQ(count(2, xt::kGuideVertical, xt::kGuideSpreadSet), 1) << "pages 2 and 3 share a spread";
    EXPECT_EQ(count(3, xt::kGuideVertical, xt::kGuidePageSet), 0);
}

TEST_F(GuideOpsTest, MasterPagesTakeTheirNumberUnchanged)
{
    ASSERT_EQ(hostOp<xt::op::XmbOp3597>()(window(), 1), 0);
    const xt::GuideEntry entry = guide(30, xt::kGuideOnMaster);
    ASSERT_EQ(hostOp<xt::op::GuideOp3598>()(ref(), xt::kFirstMasterIndex, xt::kGuideVertical, &entry, 0, nullptr), 0);
    EXPECT_EQ(count(xt::kFirstMasterIndex, xt::kGuideVertical), 1);
}

TEST_F(GuideOpsTest, GuideKindsShowInTheirRegisteredColourTheLastOneWins)
{
    const auto& colours = host::context().documents().guideColours();
    const uint16_t purple[3] = {0x8000, 0, 0xFFFF};
    const uint16_t red[3] = {0xFFFF, 0, 0};
    ASSERT_EQ(hostOp<xt::op::SetGuideKindColor>()(xt::fourCC("PTM1"), purple), 0);
    ASSERT_EQ(hostOp<xt::op::SetGuideKindColor>()(xt::fourCC("PTM1"), red), 0);
    EXPECT_EQ(colours.colourOf(xt::fourCC("PTM1")), (host::model::GuideRgb{0xFFFF, 0, 0}));
    EXPECT_EQ(colours.colourOf(xt::fourCC("GRD9")), host::model::kDefaultGuideColour);
    EXPECT_EQ(hostOp<xt::op::SetGuideKindColor>()(0, red), -1) << "kind 0 is the host's own";
    EXPECT_EQ(hostOp<xt::op::SetGuideKindColor>()(xt::fourCC("PTM2"), nullptr), -1);

    int32_t a = 5, c = 5;
    uint16_t rgb[3] = {};
    ASSERT_EQ(hostOp<xt::op::XpgOp1072>()(&a, rgb, &c), 0);
    EXPECT_EQ(rgb[0], host::model::kDefaultGuideColour.red);
    EXPECT_EQ(rgb[2], host::model::kDefaultGuideColour.blue);
}

TEST_F(GuideOpsTest, AFailedCountReadsAsNoGuides)
{
    ASSERT_EQ(insert(1, xt::kGuideVertical, guide(10)), 0);
    host::context().faults().failNth("GuideOp2628", 1);
    int16_t n = -1;
    EXPECT_NE(hostOp<xt::op::GuideOp2628>()(ref(), 1, xt::kGuideVertical, 0, &n), 0);
    EXPECT_EQ(n, 0);
}

} // namespace
} // namespace host_tests
