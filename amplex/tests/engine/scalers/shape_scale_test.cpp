// Point-list and Bezier items: their outlines about the origin, the switches that gate the point
// list, the size warning, and the picture of a Bezier picture box.
#include <string>

#include "amplex/tests/engine_fixture.h"

namespace amplex::testing {
namespace {

using ShapeScaleTest = EngineTest;
using host::model::testdoc::addShape;

/// A closed outline that fills the rectangle (top, left, bottom, right) in points.
std::vector<xt::FixedPoint> outline(double top, double left, double bottom, double right)
{
    return {point(top, left), point(top, right), point(bottom, right), point(bottom, left)};
}

struct OutlineCase {
    const char* name;
    uint8_t shape;
    int16_t scaleWhat;
    int16_t scaleFrom;
    double h, v;
    uint8_t keepBezier;
    uint8_t pointSwitch;  // "Line Weights" for point lists, "Graphics" for Bezier outlines
    uint8_t dropShadows;
    xt::FixedRect expected;
};

TEST_F(ShapeScaleTest, OutlineScalesAboutTheOriginWhenItsSwitchesAllowIt)
{
    // Every outline starts as 100/100/140/200.
    const OutlineCase cases[] = {
        {"point list, centre of items keeps its centre", xt::shape::kPolygon, ScaleSelectionOnly, FromCenterOfItems, 0.5,
            0.5, 0, 1, 1, rect(110, 125, 130, 175)},
        {"Bezier kept proportional, placed by both factors", xt::shape::kBezier, ScaleDocument, FromUpperLeftOfSelection,
            0.5, 1.0, 1, 1, 1, rect(100, 50, 120, 100)},
        {"point list, upper left of selection", xt::shape::kPolyline, ScaleSelectionOnly, FromUpperLeftOfSelection, 0.5,
            2.0, 0, 1, 1, rect(100, 100, 180, 150)},
        {"point list without Line Weights stays", xt::shape::kPolygon, ScaleSelectionOnly, FromUpperLeftOfSelection, 0.5,
            0.5, 0, 0, 1, rect(100, 100, 140, 200)},
        {"Bezier without Drop Shadows stays", xt::shape::kBezier, ScaleSelectionOnly, FromUpperLeftOfSelection, 0.5, 0.5,
            0, 1, 0, rect(100, 100, 140, 200)},
    };
    for (const auto& c : cases) {
        auto& shape = addShape(layout(), 0, outline(100, 100, 140, 200), c.shape);
        settings().ScaleWhat = c.scaleWhat;
        settings().ScaleFrom = c.scaleFrom;
        settings().KeepBezierProportional = c.keepBezier;
        settings().ScaleLineWeights = c.pointSwitch;
        settings().ScaleGraphics = c.pointSwitch;
        settings().ScaleDropShadows = c.dropShadows;
        setFactors(c.h, c.v);
        if (c.scaleWhat == ScaleSelectionOnly)
            scaleSelected({shape.ref()});
        else
            scaleInDocument(shape.ref(), point(0, 0));
        ASSERT_NE(shape.shapeData(), nullptr);
        EXPECT_TRUE(sameRect(shape.shapeData()->rect(), c.expected))
            << c.name << ": " << describe(shape.shapeData()->rect());
        // The points go with the outline: the first one is its upper-left corner.
        const auto points = shape.shapeData()->points();
        ASSERT_FALSE(points.empty());
        EXPECT_EQ(points[0].v, c.expected.top) << c.name;
        EXPECT_EQ(points[0].h, c.expected.left) << c.name;
    }
}

TEST_F(ShapeScaleTest, SizeWarningNamesTheExtentsBelowTheMinimumAndTheScaleGoesOn)
{
    struct WarningCase {
        double top, left, bottom, right;  // scaled by 0.5 both ways
        const char* message;              // nullptr: no warning
    } cases[] = {
        {100, 100, 116, 140, "Minimum Picture box height is "},  // 8 pt by 20 pt
        {100, 100, 140, 116, "Minimum Picture box width is "},
        {100, 100, 116, 116, "Minimum Picture box width and height are "},
        {100, 100, 140, 140, nullptr},
    };
    settings().SizeWarnings = 1;
    settings().ScalePictureBoxes = 0;  // the weight stays 4 pt: the minimum is 10 pt
    setFactors(0.5, 0.5);
    for (const auto& c : cases) {
        const size_t shown = m_host->messageBoxes().size();
        auto& shape = addShape(layout(), 0, outline(c.top, c.left, c.bottom, c.right), xt::shape::kPolygon);
        shape.setWeight(pt(4));
        scaleSelected({shape.ref()});
        EXPECT_EQ(shape.shapeData()->rect().bottom, pt(c.top + (c.bottom - c.top) / 2));
        if (!c.message) {
            EXPECT_EQ(m_host->messageBoxes().size(), shown);
            continue;
        }
        ASSERT_EQ(m_host->messageBoxes().size(), shown + 1) << c.message;
        const std::string text = m_host->messageBoxes().back().text;
        EXPECT_EQ(text.rfind(c.message, 0), 0u) << text;
        EXPECT_NE(text.find("10"), std::string::npos) << text;
        EXPECT_EQ(m_host->messageBoxes().back().caption, "VORNE Amplex");
    }
}

TEST_F(ShapeScaleTest, WeightAndOutsetsFollowTheShapeFactors)
{
    auto& shape = addShape(layout(), 0, outline(100, 100, 140, 200), xt::shape::kBezier);
    shape.setWeight(pt(4));
    shape.setOutsets(pt(4), pt(4), pt(4), pt(4));
    setFactors(0.5, 2.0);
    scaleSelected({shape.ref()});
    EXPECT_EQ(shape.weight(), pt(2));  // by the smaller factor
    EXPECT_EQ(shape.outset(0), pt(8));
    EXPECT_EQ(shape.outset(1), pt(2));
}

TEST_F(ShapeScaleTest, MirroredPictureInABezierBoxStaysMirroredInPlace)
{
    auto& box = addShape(layout(), 0, outline(100, 100, 140, 200), xt::shape::kBezier, xt::BoxKind::Picture);
    xt::PictureFields picture{};
    picture.bounds[0] = 0;
    picture.bounds[1] = 0;
    picture.bounds[2] = 100;
    picture.bounds[3] = 40;
    picture.held[0] = 7;
    picture.held[1] = 0;
    picture.offsets[0] = pt(10);
    picture.offsets[1] = pt(6);
    picture.scales[0] = pt(1);
    picture.scales[1] = pt(1);
    box.setPicture(picture);
    box.setFlags(xt::kPictureMirroredAcross);
    settings().KeepGraphicsProportional = 0;
    setFactors(0.5, 2.0);
    scaleSelected({box.ref()});
    EXPECT_EQ(box.flags() & xt::kPictureMirroredAcross, xt::kPictureMirroredAcross);
    EXPECT_EQ(box.flags() & xt::kPictureMirroredDown, 0);
    // The fields lie unaligned in the record: copied out before they are compared.
    const xt::Fixed scales[2] = {box.picture().scales[0], box.picture().scales[1]};
    const xt::Fixed offsets[2] = {box.picture().offsets[0], box.picture().offsets[1]};
    const xt::Fixed held = box.picture().held[0];
    EXPECT_EQ(scales[0], pt(0.5));
    EXPECT_EQ(scales[1], pt(2));
    EXPECT_EQ(offsets[0], pt(5));
    EXPECT_EQ(offsets[1], pt(12));
    EXPECT_EQ(held, 7);  // put back after the change  // put back after the change
}

} // namespace
} // namespace amplex::testing
