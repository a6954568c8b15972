// Shape data and its mapping (XsiOp1289), and the end points of lines read and written the way the
// scalers do it (XgfOp661/662/672 around a record whose corners are shifted by one point).
#include <cmath>
#include <numbers>

#include "host/tests/item_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class ItemShapeTest : public ItemTest {};

std::vector<xt::FixedPoint> pointsOf(const host::model::Item& item)
{
    return item.shapeData()->points();
}

TEST_F(ItemShapeTest, ShapeDataHoldsItsRectangleAndPointsAtTheirOffsets)
{
    auto& shape = addShape(layout(), 0, {point(10, 20), point(30, 40), point(10, 60)});
    xt::Handle data = shape.shapeData()->handle();
    EXPECT_EQ(fieldAt<int32_t>(*data, 0), 24 + 3 * 8) << "the block's size";
    EXPECT_EQ(fieldAt<xt::FixedRect>(*data, 4).bottom, pt(30));
    EXPECT_EQ(fieldAt<int32_t>(*data, 20), 3);
    EXPECT_EQ(fieldAt<xt::FixedPoint>(*data, 24 + 8).h, pt(40)) << "the second point";
}

TEST_F(ItemShapeTest, MappingCarriesEveryPointOntoTheNewRectangle)
{
    auto& shape = addShape(layout(), 0, {point(10, 20), point(30, 40), point(10, 60)});
    xt::Handle data = shape.shapeData()->handle();
    const xt::FixedRect wanted = rect(0, 0, 40, 20);
    // The scalers pass the block's own rectangle as the old one.
    EXPECT_EQ(hostOp<xt::op::XsiOp1289>()(data, *data + 4, &wanted), 0);

    const auto points = pointsOf(shape);
    EXPECT_EQ(points[1].v, pt(40));
    EXPECT_EQ(points[1].h, pt(10));
    EXPECT_EQ(points[2].h, pt(20));
    EXPECT_EQ(items().bounds(shape).bottom, pt(40));
}

TEST_F(ItemShapeTest, AFlatShapeIsMovedWithoutDividingByItsZeroHeight)
{
    auto& shape = addShape(layout(), 0, {point(10, 20), point(10, 60)}, xt::shape::kPolyline);
    const xt::FixedRect from = shape.shapeData()->rect();
    const xt::FixedRect to = rect(15, 20, 25, 80);
    EXPECT_EQ(hostOp<xt::op::XsiOp1289>()(shape.shapeData()->handle(), &from, &to), 0);
    const auto points = pointsOf(shape);
    EXPECT_EQ(points[0].v, pt(15));
    EXPECT_EQ(points[1].v, pt(15));
    EXPECT_EQ(points[1].h, pt(80));
}

TEST_F(ItemShapeTest, AHandleThatIsNoShapesDataIsRefused)
{
    xt::Handle stranger = hostOp<xt::op::NewHandle>()(24);
    const xt::FixedRect r = rect(0, 0, 1, 1);
    EXPECT_NE(hostOp<xt::op::XsiOp1289>()(stranger, &r, &r), 0);
    EXPECT_NE(hostOp<xt::op::XsiOp1289>()(nullptr, &r, &r), 0);
    hostOp<xt::op::DisposeHandle>()(stranger);
}

TEST_F(ItemShapeTest, MovingAShapeMovesItsPoints)
{
    auto& shape = addShape(layout(), 0, {point(10, 20), point(30, 40)}, xt::shape::kBezier);
    EXPECT_EQ(hostOp<xt::op::BoxOp1804>()(shape.ref(), pt(1), pt(2), 0), 0);
    EXPECT_EQ(pointsOf(shape)[1].h, pt(41));
    EXPECT_EQ(pointsOf(shape)[1].v, pt(32));
}

class ItemLineTest : public ItemTest {
protected:
    /// The end points as the scalers read them.
    std::pair<xt::FixedPoint, xt::FixedPoint> endsOf(int32_t line)
    {
        auto* record = static_cast<uint8_t*>(hostOp<xt::op::GetBoxRecord>()(nullptr, line, 0));
        shiftCorners(record, xt::kFixedOne);
        xt::FixedPoint first{}, second{};
        EXPECT_EQ(hostOp<xt::op::XgfOp672>()(record + xt::kRecordTopLeft, hostOp<xt::op::XgfOp661>()(line, &first)), 0);
        EXPECT_EQ(hostOp<xt::op::XgfOp672>()(record + xt::kRecordBottomRight, hostOp<xt::op::XgfOp661>()(line, &second)), 0);
        hostOp<xt::op::ReleaseBoxRecord>()(record, 1);
        const xt::Fixed one = xt::kFixedOne;
        return {{first.v - one, first.h - one}, {second.v - one, second.h - one}};
    }

    /// Writes the end points as the scalers write a line whose angle is 0.
    void moveEnds(int32_t line, xt::FixedPoint first, xt::FixedPoint second)
    {
        auto* record = static_cast<uint8_t*>(hostOp<xt::op::GetBoxRecord>()(nullptr, line, 0));
        const xt::Fixed one = xt::kFixedOne;
        first = {first.v + one, first.h + one};
        second = {second.v + one, second.h + one};
        hostOp<xt::op::XgfOp672>()(&first, hostOp<xt::op::XgfOp662>()(line, record + xt::kRecordTopLeft));
        hostOp<xt::op::XgfOp672>()(&second, hostOp<xt::op::XgfOp662>()(line, record + xt::kRecordBottomRight));
        shiftCorners(record, -one);
        EXPECT_EQ(hostOp<xt::op::BoxRecordOp3010>()(record, line, 0, 1), 0);
        hostOp<xt::op::ReleaseBoxRecord>()(record, 1);
    }

    static void shiftCorners(uint8_t* record, xt::Fixed by)
    {
        auto rectangle = xt::readAt<xt::FixedRect>(record, xt::kRecordTopLeft);
        rectangle = {rectangle.top + by, rectangle.left + by, rectangle.bottom + by, rectangle.right + by};
        xt::writeAt(record, rectangle, xt::kRecordTopLeft);
    }
};

TEST_F(ItemLineTest, ALineDrawnByItsEndsReportsThem)
{
    const int32_t line = addLine(layout(), 0, point(10, 20), point(40, 60)).ref();
    const auto [first, second] = endsOf(line);
    EXPECT_EQ(first.v, pt(10));
    EXPECT_EQ(first.h, pt(20));
    EXPECT_EQ(second.v, pt(40));
    EXPECT_EQ(second.h, pt(60));
    int16_t type = 0;
    EXPECT_EQ(hostOp<xt::op::GetBoxType>()(line, &type), 0);
    EXPECT_EQ(type, 1);
}

TEST_F(ItemLineTest, ALinesBoundsHoldBothEndsWhicheverWayItRuns)
{
    const int32_t line = addLine(layout(), 0, point(40, 60), point(10, 20)).ref();
    xt::Fixed bounds[4] = {};
    EXPECT_EQ(hostOp<xt::op::ItemOp224>()(line, bounds, 0, 0), 0);
    EXPECT_EQ(bounds[0], pt(10));
    EXPECT_EQ(bounds[1], pt(20));
    EXPECT_EQ(bounds[2], pt(40));
    EXPECT_EQ(bounds[3], pt(60));
}

TEST_F(ItemLineTest, AnAngledLineTurnsAboutItsFirstEnd)
{
    const int32_t line = addAngledLine(layout(), 0, point(100, 100), pt(100), 30.0).ref();
    const auto [first, second] = endsOf(line);
    EXPECT_EQ(first.v, pt(100));
    EXPECT_EQ(first.h, pt(100));
    EXPECT_NEAR(second.v, pt(50), 2) << "counter-clockwise: the second end rises";
    EXPECT_NEAR(second.h, pt(100 + 100 * std::cos(std::numbers::pi / 6)), 2);
}

TEST_F(ItemLineTest, WrittenEndsComeBackAsWritten)
{
    const int32_t line = addLine(layout(), 0, point(10, 20), point(10, 120)).ref();
    moveEnds(line, point(5, 10), point(5, 60));
    const auto [first, second] = endsOf(line);
    EXPECT_EQ(first.h, pt(10));
    EXPECT_EQ(second.v, pt(5));
    EXPECT_EQ(second.h, pt(60));
}

TEST_F(ItemLineTest, ALineIsWrittenByLengthAndAngleAsTheScalersDoIt)
{
    // A line from (0, 0) to (-50, 86.6...) at 30 degrees, stored as a horizontal line of its length
    // with the angle that FixedArcTangent gives.
    const int32_t line = addLine(layout(), 0, point(0, 0), point(0, 10)).ref();
    const xt::Fixed dh = pt(100 * std::cos(std::numbers::pi / 6));
    const xt::Fixed dv = pt(-50);
    const xt::Fixed radians = hostOp<xt::op::FixedArcTangent>()(dh, dv);
    EXPECT_NEAR(radians, -34315, 2) << "-pi/6";
    auto* record = static_cast<xt::BoxRecord*>(hostOp<xt::op::GetBoxRecord>()(nullptr, line, 0));
    record->geometry.rect.right = record->geometry.rect.left + pt(100);
    record->angle = -hostOp<xt::op::FixedDivide>()(hostOp<xt::op::FixedMultiply>()(radians, 0xB40000), 0x32440);
    EXPECT_EQ(hostOp<xt::op::BoxRecordOp3010>()(record, line, 0, 1), 0);
    hostOp<xt::op::ReleaseBoxRecord>()(record, 1);

    const auto [first, second] = endsOf(line);
    EXPECT_EQ(first.v, 0);
    EXPECT_NEAR(second.v, dv, 32);
    EXPECT_NEAR(second.h, dh, 32);
}

TEST_F(ItemLineTest, TransformContextsAreUsedOnceAndOnlyForLines)
{
    const int32_t box = addBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    xt::FixedPoint out{};
    EXPECT_LT(hostOp<xt::op::XgfOp661>()(box, &out), 0) << "a box has no end points";
    const int32_t line = addLine(layout(), 0, point(1, 2), point(3, 4)).ref();
    const int32_t context = hostOp<xt::op::XgfOp661>()(line, &out);
    const xt::FixedPoint corner = point(1, 2);
    EXPECT_EQ(hostOp<xt::op::XgfOp672>()(&corner, context), 0);
    EXPECT_NE(hostOp<xt::op::XgfOp672>()(&corner, context), 0) << "a used context";
    EXPECT_NE(hostOp<xt::op::XgfOp672>()(&corner, 0), 0);
}

} // namespace
} // namespace host_tests
