// A picture box's own scale: its rectangle, frame, outsets and corner, its minimum size, and the
// picture inside it, which keeps its place in the box, mirrored or not.
#include "amplex/tests/text_scale_fixture.h"

namespace amplex::testing {
namespace {

namespace testdoc = host::model::testdoc;

class PictureBoxTest : public TextScaleTest {
protected:
    void SetUp() override
    {
        TextScaleTest::SetUp();
        settings().ScaleGraphics = 1;
    }

    int32_t pictureBox(const xt::FixedRect& bounds, uint8_t shape = xt::shape::kRectangle)
    {
        return testdoc::addBox(layout(), 0, bounds, xt::BoxKind::Picture, shape).ref();
    }

    /// A picture 100 by 50 units, at 100 %, 10 pt across and 20 pt down in the box.
    void placePicture(int32_t box, uint16_t mirrorBits, xt::Fixed held0, xt::Fixed held1)
    {
        xt::PictureFields picture{};
        picture.bounds[2] = 100;
        picture.bounds[3] = 50;
        picture.held[0] = held0;
        picture.held[1] = held1;
        picture.offsets[0] = pt(10);
        picture.offsets[1] = pt(20);
        picture.scales[0] = pt(1);
        picture.scales[1] = pt(1);
        item(box).setPicture(picture);
        item(box).setFlags(mirrorBits);
    }

    static void expectRect(const xt::FixedRect& actual, const xt::FixedRect& expected)
    {
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.bottom, expected.bottom);
        EXPECT_EQ(actual.right, expected.right);
    }
};

TEST_F(PictureBoxTest, TheRectangleScalesAboutTheOrigin)
{
    const struct {
        const char* name;
        double h, v;
        int16_t scaleFrom;
        bool keepProportional;
        bool graphics;
        xt::FixedRect expected;
    } cases[] = {
        {"plain", 0.5, 0.5, FromUpperLeftOfSelection, false, true, rect(10, 20, 35, 70)},
        // Both extents halve while the corner moves by 0.5 across and 1.0 down.
        {"kept proportional", 0.5, 1.0, FromUpperLeftOfSelection, true, true, rect(20, 20, 45, 70)},
        {"about its centre", 0.5, 0.5, FromCenterOfItems, false, true, rect(32.5, 65, 57.5, 115)},
        {"\"Graphics\" off", 0.5, 0.5, FromUpperLeftOfSelection, false, false, rect(20, 40, 70, 140)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = pictureBox(rect(20, 40, 70, 140));
        setFactors(c.h, c.v);
        settings().ScaleFrom = c.scaleFrom;
        settings().KeepPictureBoxesProportional = c.keepProportional;
        settings().ScaleGraphics = c.graphics;
        m_text->setOrigin({0, 0});
        m_text->scalePictureBox(box);
        expectRect(item(box).rect(), c.expected);
    }
}

TEST_F(PictureBoxTest, AboutItsCentreTheOriginStaysThere)
{
    const int32_t box = pictureBox(rect(20, 40, 70, 140));
    settings().ScaleFrom = FromCenterOfItems;
    setFactors(0.5, 0.5);
    m_text->scalePictureBox(box);
    EXPECT_EQ(m_text->origin().v, pt(45));
    EXPECT_EQ(m_text->origin().h, pt(90));
}

TEST_F(PictureBoxTest, FrameOutsetsAndCornerFollowTheirSwitches)
{
    const struct {
        const char* name;
        uint8_t shape;
        bool graphics;
        double weight, outsets[4], corner;
    } cases[] = {
        // Frame and all four outsets go by the width's factor; the corner by the smaller one.
        {"rounded", xt::shape::kRoundedCorner, true, 2, {0.5, 1, 1.5, 2}, 4},
        {"square corners keep the field", xt::shape::kRectangle, true, 2, {0.5, 1, 1.5, 2}, 8},
        {"\"Graphics\" off", xt::shape::kRoundedCorner, false, 2, {0.5, 1, 1.5, 2}, 8},
    };
    settings().ScalePictureBoxes = 1;
    settings().ScaleLines = 1;
    setFactors(0.5, 2.0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        settings().ScaleGraphics = c.graphics;
        const int32_t box = pictureBox(rect(20, 40, 70, 140), c.shape);
        item(box).setWeight(pt(4));
        item(box).setOutsets(pt(1), pt(2), pt(3), pt(4));
        item(box).setCorner(pt(8));
        m_text->scalePictureBox(box);
        EXPECT_EQ(item(box).weight(), pt(c.weight));
        for (size_t side = 0; side < 4; ++side)
            EXPECT_EQ(item(box).outset(side), pt(c.outsets[side])) << "outset " << side;
        EXPECT_EQ(item(box).corner(), pt(c.corner));
    }
}

TEST_F(PictureBoxTest, ABoxBelowItsMinimumWarnsAndTakesTheScaledSize)
{
    const struct {
        const char* name;
        xt::FixedRect bounds;
        const char* message;
    } cases[] = {
        {"too low", rect(0, 0, 10, 40), "Minimum Picture box height is 6 pt"},
        {"too narrow", rect(0, 0, 40, 10), "Minimum Picture box width is 6 pt"},
        {"too small", rect(0, 0, 10, 10), "Minimum Picture box width and height are 6 pt"},
        {"large enough", rect(0, 0, 40, 40), nullptr},
    };
    settings().ScalePictureBoxes = 1;
    settings().SizeWarnings = 1;
    setFactors(0.5, 0.5);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = pictureBox(c.bounds);
        item(box).setWeight(pt(4));
        const size_t shown = m_host->messageBoxes().size();
        m_text->scalePictureBox(box);
        ASSERT_EQ(m_host->messageBoxes().size() - shown, c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(m_host->messageBoxes().back().text, c.message);
        }
        EXPECT_EQ(item(box).rect().bottom, c.bounds.bottom / 2) << "scaled all the same";
    }
}

TEST_F(PictureBoxTest, APictureInAnOutlineGoesToTheScalerOfItsShape)
{
    // A table's picture cell reaches this scaler whatever its shape; its record holds no rectangle.
    settings().ScaleDropShadows = 1;
    settings().ScaleLineWeights = 1;
    const int32_t box = testdoc::addShape(layout(), 0,
        {testdoc::point(10, 20), testdoc::point(10, 120), testdoc::point(60, 120)}, xt::shape::kPolygon,
        xt::BoxKind::Picture).ref();
    setFactors(0.5, 0.5);
    m_text->scalePictureBox(box);
    ASSERT_NE(item(box).shapeData(), nullptr);
    expectRect(item(box).shapeData()->rect(), rect(5, 10, 30, 60));
}

TEST_F(PictureBoxTest, ThePictureKeepsItsPlaceMirroredOrNot)
{
    const struct {
        const char* name;
        uint16_t mirrored;
        xt::Fixed held[2];
    } cases[] = {
        {"plain", 0, {0, 0}},
        {"mirrored both ways", xt::kPictureMirroredAcross | xt::kPictureMirroredDown, {pt(7), pt(9)}},
        {"mirrored across", xt::kPictureMirroredAcross, {0, pt(3)}},
    };
    settings().ScaleBezierShapes = 1;
    settings().KeepGraphicsProportional = 1;
    setFactors(0.5, 2.0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t box = pictureBox(rect(20, 40, 70, 140));
        placePicture(box, c.mirrored, c.held[0], c.held[1]);
        m_text->scalePictureBox(box);
        // The picture keeps its proportions by the smaller factor while the box does not.
        const xt::PictureFields& picture = item(box).picture();
        EXPECT_EQ(picture.scales[0], pt(0.5));
        EXPECT_EQ(picture.scales[1], pt(0.5));
        EXPECT_EQ(picture.offsets[0], pt(5));
        EXPECT_EQ(picture.offsets[1], pt(10));
        EXPECT_EQ(picture.held[0], c.held[0]);
        EXPECT_EQ(picture.held[1], c.held[1]);
        EXPECT_EQ(item(box).flags(), c.mirrored);
        expectRect(item(box).rect(), rect(40, 20, 140, 70));
    }
}

} // namespace
} // namespace amplex::testing
