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
