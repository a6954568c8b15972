// Page set-up through the host's operations: size, margins (top, bottom, left, right), columns,
// gutter, baseline grid, and set-up records that resize pages without moving items.
#include "host/tests/pages_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class PageSetupTest : public PagesTest {
protected:
    struct Margins {
        xt::Fixed top = -1, bottom = -1, left = -1, right = -1;
    };

    Margins margins()
    {
        Margins m;
        EXPECT_EQ(hostOp<xt::op::XdgOp512>()(ref(), &m.top, &m.bottom, &m.left, &m.right), 0);
        return m;
    }

    xt::Fixed read(int32_t (*op)(xt::DocumentRef, xt::Fixed*))
    {
        xt::Fixed value = -1;
        EXPECT_EQ(op(ref(), &value), 0);
        return value;
    }

    /// Builds a set-up record; null when the host refuses it.
    xt::PageSetupRecord* buildSetup(double height, double width, const xt::Fixed (&m)[4], int32_t columns, double gutter)
    {
        void* setup = nullptr;
        const int32_t result =
            hostOp<xt::op::XpkOp5070>()(pt(height), pt(width), m, 0, columns, pt(gutter), 0, 2, 0, &setup);
        EXPECT_EQ(result == 0, setup != nullptr);
        return static_cast<xt::PageSetupRecord*>(setup);
    }
};

TEST_F(PageSetupTest, MarginsColumnsAndGutterAreSetAndReadBack)
{
    ASSERT_EQ(hostOp<xt::op::XpgOp2573>()(ref(), pt(10), pt(20), pt(30), pt(40)), 0);
    const Margins m = margins();
    EXPECT_EQ(m.top, pt(10));
    EXPECT_EQ(m.bottom, pt(20));
    EXPECT_EQ(m.left, pt(30));
    EXPECT_EQ(m.right, pt(40));
    EXPECT_NE(hostOp<xt::op::XpgOp2573>()(ref(), pt(-1), 0, 0, 0), 0) << "a negative margin";
    EXPECT_NE(hostOp<xt::op::XpgOp2573>()(ref(), 0, 0, pt(300), pt(312)), 0) << "no live width left";
    EXPECT_EQ(margins().top, pt(10)) << "a refused set-up changes nothing";

    int32_t columns = -1;
    ASSERT_EQ(hostOp<xt::op::XdgOp510>()(ref(), &columns), 0);
    EXPECT_EQ(columns, 1);
    EXPECT_EQ(read(hostOp<xt::op::XdgOp509>()), pt(12));
    EXPECT_EQ(read(hostOp<xt::op::XdnOp519>()), pt(612));
    EXPECT_EQ(read(hostOp<xt::op::XdnOp520>()), pt(792));
}

TEST_F(PageSetupTest, ASetUpResizesEveryPageAndLeavesItemsWhereTheyWere)
{
    const int32_t box = addBox(layout(), 1, rect(100, 100, 200, 300)).ref();
    const xt::Fixed m[4] = {pt(18), pt(24), pt(30), pt(36)};
    xt::PageSetupRecord* setup = buildSetup(1000, 800, m, 3, 9);
    ASSERT_NE(setup, nullptr);
    xt::TextObject name = nullptr;
    ASSERT_EQ(hostOp<xt::op::XpkOp3141>()(ref(), &name, nullptr), 0);
    int32_t out = -1;
    ASSERT_EQ(hostOp<xt::op::XpkOp3146>()(ref(), name, xt::kPageSetupDocument, setup, &out), 0);
    hostOp<xt::op::XpkOp3183>()(setup);
    hostOp<xt::op::DisposeTextObject>()(name);

    for (size_t i = 0; i < layout().pageCount(); ++i)
        EXPECT_EQ(layout().page(i).size(), (host::model::PageSize{pt(800), pt(1000)}));
    EXPECT_EQ(read(hostOp<xt::op::XdnOp519>()), pt(800));
    EXPECT_EQ(margins().bottom, pt(24));
    EXPECT_EQ(read(hostOp<xt::op::XdgOp509>()), pt(9));
    const auto moved = items().find(box)->rect();
    EXPECT_EQ(moved.top, pt(100));
    EXPECT_EQ(moved.right, pt(300));
}

TEST_F(PageSetupTest, BadSetUpsAreRefused)
{
    const xt::Fixed fine[4] = {pt(10), pt(10), pt(10), pt(10)};
    EXPECT_EQ(buildSetup(0, 600, fine, 1, 0), nullptr) << "no height";
    EXPECT_EQ(buildSetup(600, 600, fine, 0, 0), nullptr) << "no column";
    EXPECT_EQ(buildSetup(600, 100, fine, 10, 12), nullptr) << "the gutters fill the live width";
    void* setup = nullptr;
    EXPECT_NE(hostOp<xt::op::XpkOp5070>()(pt(600), pt(600), nullptr, 0, 1, 0, 0, 2, 0, &setup), 0);
    host().faults().failNth("XpkOp5070", 1);
    int marker = 0;
    setup = &marker;
    EXPECT_NE(hostOp<xt::op::XpkOp5070>()(pt(600), pt(600), fine, 0, 1, 0, 0, 2, 0, &setup), 0);
    EXPECT_EQ(setup, nullptr) << "a failed build hands back no record";

    xt::PageSetupRecord* good = buildSetup(600, 600, fine, 1, 0);
    ASSERT_NE(good, nullptr);
    int32_t out = 0;
    EXPECT_NE(hostOp<xt::op::XpkOp3146>()(ref(), nullptr, 0x12345678, good, &out), 0) << "not a document set-up";
    hostOp<xt::op::XpkOp3183>()(good);
    EXPECT_NE(hostOp<xt::op::XpkOp3146>()(ref(), nullptr, xt::kPageSetupDocument, good, &out), 0) << "freed";
    EXPECT_EQ(read(hostOp<xt::op::XdnOp519>()), pt(612)) << "the pages kept their size";
}

TEST_F(PageSetupTest, SpreadAndPasteboardSizesFollowFacingPages)
{
    host::model::setFacingPages(layout(), true);
    layout().appendPage({});
    EXPECT_EQ(read(hostOp<xt::op::XdnOp521>()), pt(1224)) << "a spread of two pages";
    EXPECT_EQ(read(hostOp<xt::op::XdnOp523>()), pt(792));
    EXPECT_EQ(read(hostOp<xt::op::XdnOp517>()), pt(1224 + 2 * 612));
    EXPECT_EQ(read(hostOp<xt::op::XdnOp518>()), pt(3 * 792));
}

TEST_F(PageSetupTest, BaselineGridValuesAreWrittenAndRead)
{
    ASSERT_EQ(hostOp<xt::op::XpgOp983>()(ref(), pt(40)), 0);
    ASSERT_EQ(hostOp<xt::op::XpgOp979>()(ref(), pt(14)), 0);
    EXPECT_EQ(read(hostOp<xt::op::XpgOp982>()), pt(40));
    EXPECT_EQ(read(hostOp<xt::op::XpgOp978>()), pt(14));
    EXPECT_NE(hostOp<xt::op::XpgOp979>()(ref(), 0), 0) << "a grid needs a step";
}

} // namespace
} // namespace host_tests
