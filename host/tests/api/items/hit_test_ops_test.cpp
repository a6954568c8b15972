// Hit-testing items through the operations an eyedropper tool calls: an item's bounds as drawn, a mouse
// point against a rectangle, and the item's outline tested, grown and freed.
#include <cmath>

#include "host/tests/item_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class HitTest : public ItemTest {
protected:
    /// Whether the point (in points) hits the item's outline, grown by `grow` points first.
    bool hits(int32_t item, double v, double h, double grow = 0)
    {
        const int32_t shape = hostOp<xt::op::ShapeOp2219>()(item, 1, 2);
        EXPECT_GT(shape, 0) << "item " << item;
        if (grow != 0) {
            EXPECT_EQ(hostOp<xt::op::ShapeGrow1273>()(shape, pt(grow), 1, 1, 1), 0);
        }
        const uint8_t hit = hostOp<xt::op::ShapeHitTest1278>()(pt(v), pt(h), shape, 0, 0, 0);
        hostOp<xt::op::ShapeOp1270>()(shape);
        return hit != 0;
    }

    xt::FixedRect bounds(int32_t item)
    {
        xt::FixedRect rect{};
        EXPECT_EQ(hostOp<xt::op::ItemBoundsOp3584>()(nullptr, item, &rect, 0, 0), 0);
        return rect;
    }
};

TEST_F(HitTest, APointHitsAnItemWhereItIsDrawn)
{
    const int32_t box = addBox(layout(), 0, rect(10, 10, 50, 50)).ref();
    auto& turnedBox = addBox(layout(), 0, rect(100, 0, 140, 40));
    turnedBox.setAngle(pt(45));
    const int32_t turned = turnedBox.ref();
    const int32_t oval = addBox(layout(), 0, rect(200, 0, 240, 80), xt::BoxKind::Plain, xt::shape::kOval).ref();
    auto& lineItem = addLine(layout(), 0, point(300, 0), point(300, 100));
    lineItem.setWeight(pt(4));
    const int32_t line = lineItem.ref();
    const int32_t triangle = addShape(layout(), 0, {point(400, 100), point(440, 140), point(400, 180)}).ref();
    const int32_t open = addShape(layout(), 0, {point(500, 0), point(540, 40), point(500, 80)}, xt::shape::kPolyline).ref();
    const int32_t a = addBox(layout(), 0, rect(600, 0, 610, 10)).ref();
    const int32_t b = addBox(layout(), 0, rect(600, 50, 610, 60)).ref();
    const int32_t group = addGroup(layout(), {a, b}).ref();

    struct Case {
        const char* what;
        int32_t item;
        double v, h;
        bool hit;
    };
    const Case cases[] = {
        {"inside a box", box, 30, 30, true},
        {"on a box's edge", box, 10, 30, true},
        {"beside a box", box, 30, 51, false},
        {"a turned box's corner reaches past its rectangle", turned, 120, 45, true},
        {"a turned box leaves its rectangle's corner", turned, 102, 2, false},
        {"inside an oval", oval, 220, 2, true},
        {"in an oval's rectangle but outside the oval", oval, 202, 2, false},
        {"far from a line", line, 50, 301.5, false},
        {"on a line, within half its weight", line, 301.5, 50, true},
        {"beside a line", line, 303, 50, false},
        {"past a line's end", line, 300, 103, false},
        {"inside a polygon", triangle, 410, 140, true},
        {"in a polygon's rectangle, outside it", triangle, 435, 110, false},
        {"near a polyline", open, 520, 20.5, true},
        {"inside a polyline's bend, which it does not enclose", open, 501, 40, false},
        {"on a group's member", group, 605, 55, true},
        {"between a group's members", group, 605, 30, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hits(c.item, c.v, c.h), c.hit) << c.what;
}

/// A Bezier vertex: the control point before it, the vertex, the control point after it.
std::vector<xt::FixedPoint> vertex(xt::FixedPoint before, xt::FixedPoint at, xt::FixedPoint after)
{
    return {before, at, after};
}

std::vector<xt::FixedPoint> joined(std::initializer_list<std::vector<xt::FixedPoint>> vertices)
{
    std::vector<xt::FixedPoint> all;
    for (const auto& v : vertices)
        all.insert(all.end(), v.begin(), v.end());
    return all;
}

TEST_F(HitTest, ShapedCornersAndBezierCurvesAreHitWhereTheyRunNotAtTheirSquareOrControlPoints)
{
    // Each box is 100 pt down and 200 pt across, from (100, 100), with corners of 20 pt.
    const auto cornered = [&](uint8_t shape, double corner, double degrees = 0) {
        auto& box = addBox(layout(), 0, rect(100, 100, 200, 300), xt::BoxKind::Plain, shape);
        box.setCorner(pt(corner));
        box.setAngle(pt(degrees));
        return box.ref();
    };
    const int32_t rounded = cornered(xt::shape::kRoundedCorner, 20);
    const int32_t bevelled = cornered(xt::shape::kBevelledCorner, 20);
    const int32_t concave = cornered(xt::shape::kConcaveCorner, 20);
    const int32_t upright = cornered(xt::shape::kRoundedCorner, 20, 90); // now 100 across and 200 down
    const int32_t pill = cornered(xt::shape::kRoundedCorner, 80);       // the corner is cut to half the height
    const int32_t square = cornered(xt::shape::kRoundedCorner, 0);
    // A circle of radius 50 about (500, 500) from four Bezier curves.
    const double k = 50 * 0.5523;
    const int32_t circle = addShape(layout(), 0,
        joined({vertex(point(450, 500 - k), point(450, 500), point(450, 500 + k)),
            vertex(point(500 - k, 550), point(500, 550), point(500 + k, 550)),
            vertex(point(550, 500 + k), point(550, 500), point(550, 500 - k)),
            vertex(point(500 + k, 450), point(500, 450), point(500 - k, 450))}),
        xt::shape::kBezier).ref();
    // An open arch from (800, 100) to (800, 300) rising to (740, 200), drawn 4 pt wide.
    auto& archItem = addShape(layout(), 0,
        joined({vertex(point(800, 100), point(800, 100), point(720, 100)),
            vertex(point(720, 300), point(800, 300), point(800, 300))}),
        xt::shape::kBezierLine);
    archItem.setWeight(pt(4));
    const int32_t arch = archItem.ref();

    struct Case {
        const char* what;
        int32_t item;
        double v, h;
        bool hit;
    };
    const Case cases[] = {
        {"inside a rounded box", rounded, 150, 200, true},
        {"on a rounded box's straight edge", rounded, 100, 200, true},
        {"in the square corner a rounded one leaves out", rounded, 102, 102, false},
        {"just outside a rounded corner's curve", rounded, 105.7, 105.7, false},
        {"just inside a rounded corner's curve", rounded, 106.1, 106.1, true},
        {"in the rounded bottom-right corner's cut", rounded, 198, 298, false},
        {"in the rounded bottom-left corner's cut", rounded, 198, 102, false},
        {"just outside a bevel", bevelled, 109.9, 109.9, false},
        {"just inside a bevel", bevelled, 110.1, 110.1, true},
        {"in the top-right bevel's cut", bevelled, 102, 298, false},
        {"in the bite of a concave corner", concave, 110, 110, false},
        {"just inside a concave corner's curve", concave, 114.3, 114.3, true},
        {"just in its bite", concave, 114, 114, false},
        {"past the bite, on the box's edge", concave, 100, 125, true},
        {"a turned rounded box reaches where its rectangle does not", upright, 55, 200, true},
        {"a turned rounded box's corner turns with it", upright, 55, 155, false},
        {"inside a turned rounded box's corner", upright, 60, 160, true},
        {"a corner beyond half the box rounds its end whole", pill, 105, 120, false},
        {"the round end reaches the box's side at its middle", pill, 150, 100.5, true},
        {"a rounded box with no corner is square", square, 100.5, 100.5, true},
        {"inside a Bezier circle", circle, 500, 500, true},
        {"between a Bezier circle and its control points", circle, 463, 463, false},
        {"just inside a Bezier circle's edge", circle, 464.8, 464.8, true},
        {"just outside its edge, across", circle, 500, 550.3, false},
        {"just inside its edge, across", circle, 500, 549.8, true},
        {"on an open Bezier arch's top", arch, 740, 200, true},
        {"within half the arch's weight of it", arch, 741.5, 200, true},
        {"beyond half the arch's weight", arch, 743, 200, false},
        {"under the arch, which encloses nothing", arch, 770, 200, false},
        {"on the arch's control line, which is not drawn", arch, 720, 200, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hits(c.item, c.v, c.h), c.hit) << c.what;

    EXPECT_TRUE(hits(rounded, 102, 102, 6)) << "grown by 6 pt, the rounded corner takes a point 5.5 pt off its curve";
    EXPECT_FALSE(hits(rounded, 107, 107, -2)) << "shrunk by 2 pt, it gives up a point 1.6 pt inside its curve";
}

TEST_F(HitTest, BoundsHoldCurvesAndTurnedOvalsAsDrawn)
{
    // An oval 80 across and 40 down, turned by 45 degrees, reaches sqrt(40^2 / 2 + 20^2 / 2) from its centre.
    auto& oval = addBox(layout(), 0, rect(0, 0, 40, 80), xt::BoxKind::Plain, xt::shape::kOval);
    oval.setAngle(pt(45));
    const xt::FixedRect ovalBounds = bounds(oval.ref());
    const double reach = std::sqrt(1000.0);
    EXPECT_NEAR(ovalBounds.top / 65536.0, 20 - reach, 0.001);
    EXPECT_NEAR(ovalBounds.left / 65536.0, 40 - reach, 0.001);
    EXPECT_NEAR(ovalBounds.bottom / 65536.0, 20 + reach, 0.001);
    EXPECT_NEAR(ovalBounds.right / 65536.0, 40 + reach, 0.001);

    // A closed "D" from (600, 100) to (700, 100) whose curve reaches 160 across, not its control points' 180.
    const int32_t d = addShape(layout(), 0,
        joined({vertex(point(600, 100), point(600, 100), point(600, 180)),
            vertex(point(700, 180), point(700, 100), point(700, 100))}),
        xt::shape::kBezier).ref();
    const xt::FixedRect dBounds = bounds(d);
    EXPECT_NEAR(dBounds.right / 65536.0, 160, 0.06) << describe(dBounds);
    EXPECT_NEAR(dBounds.left / 65536.0, 100, 0.001) << describe(dBounds);
    EXPECT_TRUE(hits(d, 650, 155));
    EXPECT_FALSE(hits(d, 650, 165)) << "beyond the curve, inside the control points";
    EXPECT_FALSE(hits(d, 610, 150)) << "where the curve leaves its first vertex";

    // Bezier data that is not whole vertices is taken through its points, as the page shows it.
    const int32_t stray = addShape(layout(), 0, {point(800, 0), point(840, 40), point(800, 80), point(780, 40)},
        xt::shape::kBezier).ref();
    EXPECT_TRUE(hits(stray, 800, 40));
    EXPECT_TRUE(sameRect(bounds(stray), rect(780, 0, 840, 80))) << describe(bounds(stray));
}

TEST_F(HitTest, AGrownOutlineTakesPointsNearItsEdges)
{
    const int32_t box = addBox(layout(), 0, rect(10, 10, 50, 50)).ref();
    const int32_t line = addLine(layout(), 0, point(300, 0), point(300, 100)).ref();
    EXPECT_FALSE(hits(box, 30, 60));
    EXPECT_TRUE(hits(box, 30, 60, 12)) << "12 pt right of the box's edge";
    EXPECT_FALSE(hits(box, 30, 63, 12));
    EXPECT_TRUE(hits(line, 312, 50, 12)) << "a hairline takes a click 1 pt away, and 12 pt more once grown";
    EXPECT_FALSE(hits(line, 314, 50, 12));
    EXPECT_FALSE(hits(box, 15, 30, -6)) << "a negative distance shrinks the outline";
    EXPECT_TRUE(hits(box, 17, 30, -6));
}

TEST_F(HitTest, BoundsHoldTheItemAsDrawnAndAMousePointIsTestedAgainstThem)
{
    auto& turnedBox = addBox(layout(), 0, rect(100, 0, 140, 40));
    turnedBox.setAngle(pt(45));
    const xt::FixedRect turned = bounds(turnedBox.ref());
    const double half = 20 * std::sqrt(2.0);
    EXPECT_NEAR(turned.top / 65536.0, 120 - half, 0.001);
    EXPECT_NEAR(turned.right / 65536.0, 20 + half, 0.001);
    auto& line = addLine(layout(), 0, point(300, 0), point(300, 100));
    line.setWeight(pt(4));
    EXPECT_TRUE(sameRect(bounds(line.ref()), rect(298, -2, 302, 102))) << describe(bounds(line.ref()));

    const xt::FixedRect box = rect(10, 20, 50, 60);
    struct Case {
        xt::MousePoint point;
        uint8_t inside;
    };
    for (const Case& c : {Case{{30, 30}, 1}, Case{{20, 10}, 1}, Case{{60, 50}, 1}, Case{{19, 30}, 0}, Case{{30, 51}, 0}}) {
        uint8_t inside = 9;
        ASSERT_EQ(hostOp<xt::op::RectTestOp1795>()(&c.point, &box, &inside), 0);
        EXPECT_EQ(inside, c.inside) << "h " << c.point.h << ", v " << c.point.v;
    }
}

TEST_F(HitTest, UnknownItemsAndShapesAreRefusedAndAFreedShapeIsGone)
{
    xt::FixedRect rect{};
    EXPECT_NE(hostOp<xt::op::ItemBoundsOp3584>()(nullptr, 9999, &rect, 0, 0), 0);
    EXPECT_LT(hostOp<xt::op::ShapeOp2219>()(9999, 1, 2), 0);
    const int32_t box = addBox(layout(), 0, host::model::testdoc::rect(10, 10, 50, 50)).ref();
    EXPECT_NE(hostOp<xt::op::ItemBoundsOp3584>()(nullptr, box, nullptr, 0, 0), 0);
    const int32_t shape = hostOp<xt::op::ShapeOp2219>()(box, 1, 2);
    hostOp<xt::op::ShapeOp1270>()(shape);
    EXPECT_EQ(host::context().shapes().size(), 0u);
    EXPECT_EQ(hostOp<xt::op::ShapeHitTest1278>()(pt(30), pt(30), shape, 0, 0, 0), 0) << "a freed shape hits nothing";
    EXPECT_NE(hostOp<xt::op::ShapeGrow1273>()(shape, pt(12), 1, 1, 1), 0);
    hostOp<xt::op::ShapeOp1270>()(shape);  // freeing twice does no harm
    host::context().faults().failNth("ShapeHitTest1278", 1);
    const int32_t again = hostOp<xt::op::ShapeOp2219>()(box, 1, 2);
    EXPECT_EQ(hostOp<xt::op::ShapeHitTest1278>()(pt(30), pt(30), again, 0, 0, 0), 0) << "a failed test reads as a miss";
    hostOp<xt::op::ShapeOp1270>()(again);
}

} // namespace
} // namespace host_tests
