// Guide scaling of a page and the after-scale adjustment of the layout window.
#include <gtest/gtest.h>

#include "amplex/tests/docscale_fixture.h"

namespace amplex::testing {
namespace {

using host::model::GuideKind;

class GuideScaleTest : public DocScaleTest {
protected:
    void SetUp() override
    {
        DocScaleTest::SetUp();
        newDocument(3);
    }
};

TEST_F(GuideScaleTest, EachAxisFollowsItsOwnFactor)
{
    addGuide(pageRef(0), GuideKind::Vertical, 100);
    addGuide(pageRef(0), GuideKind::Vertical, 306);
    addGuide(pageRef(0), GuideKind::Horizontal, 200);
    setFactors(0.5, 3.0);

    m_docscale->scaleGuides(1);

    EXPECT_EQ(guidePositions(pageRef(0), GuideKind::Vertical), (std::vector<xt::Fixed>{pt(50), pt(153)}));
    EXPECT_EQ(guidePositions(pageRef(0), GuideKind::Horizontal), std::vector<xt::Fixed>{pt(600)});
}

TEST_F(GuideScaleTest, GuidesOfARightPageScaleFromThatPagesEdge)
{
    host::model::setFacingPages(layout(), true);
    // Page 3 is the right page of its spread: its left edge lies at 612 pt.
    addGuide(pageRef(2), GuideKind::Vertical, 712);
    addGuide(pageRef(2), GuideKind::Horizontal, 100);
    setFactors(2.0, 0.5);

    m_docscale->scaleGuides(3);

    EXPECT_EQ(guidePositions(pageRef(2), GuideKind::Vertical), std::vector<xt::Fixed>{pt(812)});
    EXPECT_EQ(guidePositions(pageRef(2), GuideKind::Horizontal), std::vector<xt::Fixed>{pt(50)});
}

TEST_F(GuideScaleTest, CentreOfItemsPutsTheOriginAtThePagesCentreVerticalFirst)
{
    settings().ScaleFrom = FromCenterOfItems;
    setFactors(1.0, 1.0);

    m_docscale->scaleGuides(1);

    const xt::FixedPoint origin = m_docscale->origin();
    EXPECT_EQ(origin.v, pt(396));
    EXPECT_EQ(origin.h, pt(306));
    // No guides, and still the page is refreshed and the window adjusted.
    EXPECT_TRUE(guidePositions(pageRef(0), GuideKind::Vertical).empty());
    const auto& calls = layout().view().calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2].operation, "LayoutWindowOp513");
    EXPECT_EQ(calls.back().operation, "LayoutWindowOp513");
}

TEST_F(GuideScaleTest, AfterScaleSetsBothAxesOncePerCallWithoutDrift)
{
    m_docscale->adjustAfterScale();
    m_docscale->adjustAfterScale();

    std::vector<host::model::ViewCall> adjustments;
    for (const auto& call : layout().view().calls())
        if (call.operation == "LayoutWindowOp513")
            adjustments.push_back(call);
    // 100 % enlarged by 1 % (0x1028F) and divided by the document's 1.0, axis 0 before axis 1, and
    // the same again on the second call: the view value does not creep.
    const std::vector<host::model::ViewCall> expected = {
        {"LayoutWindowOp513", 0x1028F, 0},
        {"LayoutWindowOp513", 0x1028F, 1},
        {"LayoutWindowOp513", 0x1028F, 0},
        {"LayoutWindowOp513", 0x1028F, 1},
    };
    EXPECT_EQ(adjustments, expected);
}

} // namespace
} // namespace amplex::testing
