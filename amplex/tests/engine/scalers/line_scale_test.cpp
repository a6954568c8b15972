// Lines scaled through ScaleSelection: about their own ends in every mode, with their weight and
// outsets, angled lines by length and angle.
#include <cmath>

#include "amplex/tests/engine_fixture.h"
#include "host/model/items/line_geometry.h"

namespace amplex::testing {
namespace {

using LineScaleTest = EngineTest;

host::model::LineEnds endsOf(const host::model::Item& line)
{
    return host::model::lineEnds(line.rect(), line.angle());
}

bool samePoint(xt::FixedPoint a, xt::FixedPoint b, xt::Fixed tolerance = 0)
{
    return std::abs(a.v - b.v) <= tolerance && std::abs(a.h - b.h) <= tolerance;
}

std::string describe(xt::FixedPoint p)
{
    return "(" + std::to_string(p.v / 65536.0) + ", " + std::to_string(p.h / 65536.0) + ")";
}

struct LineCase {
    const char* name;
    int16_t scaleWhat;
    int16_t scaleFrom;
    uint8_t keepLines;
    double h, v;
    xt::FixedPoint first, second;
    xt::FixedPoint expectedFirst, expectedSecond;
    double expectedWeight;  // from 2 pt
};

TEST_F(LineScaleTest, EndsScaleAboutTheLineItself)
{
    const LineCase cases[] = {
        {"100 pt across at 50 %", ScaleSelectionOnly, FromUpperLeftOfSelection, 0, 0.5, 0.5, point(100, 100),
            point(100, 200), point(100, 100), point(100, 150), 1},
        {"keep proportional: the smaller factor both ways", ScaleSelectionOnly, FromUpperLeftOfSelection, 1, 0.5, 2.0,
            point(100, 100), point(200, 200), point(100, 100), point(150, 150), 1},
        {"down by the vertical factor", ScaleSelectionOnly, FromUpperLeftOfSelection, 0, 0.5, 2.0, point(100, 100),
            point(200, 100), point(100, 100), point(300, 100), 1},
        // The document driver's origin (0, 0) does not apply to a line.
        {"document mode: about its first end", ScaleDocument, FromUpperLeftOfSelection, 0, 0.5, 0.5, point(100, 100),
            point(100, 200), point(100, 100), point(100, 150), 1},
        {"centre of selection: about its middle", ScaleSelectionOnly, FromCenterOfSelection, 0, 0.5, 0.5,
            point(100, 100), point(100, 200), point(100, 125), point(100, 175), 1},
        {"centre of items in document mode", ScaleDocument, FromCenterOfItems, 0, 0.5, 0.5, point(100, 100),
            point(100, 200), point(100, 125), point(100, 175), 1},
        {"up and to the left: about its upper-left end", ScaleSelectionOnly, FromUpperLeftOfSelection, 0, 0.5, 0.5,
            point(200, 200), point(100, 100), point(150, 150), point(100, 100), 1},
    };
    for (const auto& c : cases) {
        auto& line = host::model::testdoc::addLine(layout(), 0, c.first, c.second);
        line.setWeight(pt(2));
        settings().ScaleWhat = c.scaleWhat;
        settings().ScaleFrom = c.scaleFrom;
        settings().KeepLinesProportional = c.keepLines;
        setFactors(c.h, c.v);
        if (c.scaleWhat == ScaleSelectionOnly)
            scaleSelected({line.ref()});
        else
            scaleInDocument(line.ref(), point(0, 0));
        const auto ends = endsOf(line);
        EXPECT_TRUE(samePoint(ends.first, c.expectedFirst)) << c.name << ": first " << describe(ends.first);
        EXPECT_TRUE(samePoint(ends.second, c.expectedSecond)) << c.name << ": second " << describe(ends.second);
        EXPECT_EQ(line.weight(), pt(c.expectedWeight)) << c.name;
    }
}

TEST_F(LineScaleTest, OutsetsScaleByTheirOwnDirection)
{
    auto& line = host::model::testdoc::addLine(layout(), 0, point(100, 100), point(100, 200));
    line.setOutsets(pt(4), pt(4), pt(4), pt(4));
    setFactors(0.5, 2.0);
    scaleSelected({line.ref()});
    EXPECT_EQ(line.outset(0), pt(8));  // top and bottom by the vertical factor
    EXPECT_EQ(line.outset(1), pt(2));
    EXPECT_EQ(line.outset(2), pt(8));
    EXPECT_EQ(line.outset(3), pt(2));
}

TEST_F(LineScaleTest, AngledLineKeepsItsAngleAndGrowsByNothing)
{
    // The line rises from (200, 100) to (150, 186.6): it scales about (150, 100), the upper left of its ends.
    struct AngleCase {
        double factor;
        double expectedLength;
        xt::FixedPoint expectedFirst;
    } cases[] = {
        {0.5, 50, point(175, 100)},
        {1.0, 100, point(200, 100)},  // a 100 % scale leaves the line exactly as it was
        {2.0, 200, point(250, 100)},
    };
    for (const auto& c : cases) {
        auto& line = host::model::testdoc::addAngledLine(layout(), 0, point(200, 100), pt(100), 30.0);
        const xt::Fixed angleBefore = line.angle();
        setFactors(c.factor, c.factor);
        scaleSelected({line.ref()});
        const auto after = endsOf(line);
        const double dh = (after.second.h - after.first.h) / 65536.0;
        const double dv = (after.second.v - after.first.v) / 65536.0;
        EXPECT_NEAR(std::sqrt(dh * dh + dv * dv), c.expectedLength, 0.001) << c.factor;
        EXPECT_NEAR(line.angle() / 65536.0, 30.0, 0.001) << c.factor;
        EXPECT_TRUE(samePoint(after.first, c.expectedFirst, 2)) << c.factor << ": " << describe(after.first);
        if (c.factor == 1.0) {
            EXPECT_EQ(line.angle(), angleBefore);
            EXPECT_TRUE(sameRect(line.rect(), host::model::testdoc::rect(200, 100, 200, 200)));
        }
    }
}

TEST_F(LineScaleTest, LineRunningDownScalesInsideTheEditBracketAndKeepsTheCurrentItem)
{
    auto& line = host::model::testdoc::addLine(layout(), 0, point(100, 100), point(200, 100), xt::shape::kLineDown);
    setFactors(0.5, 0.5);
    scaleSelected({line.ref()});
    const auto ends = endsOf(line);
    EXPECT_TRUE(samePoint(ends.first, point(100, 100))) << describe(ends.first);
    EXPECT_TRUE(samePoint(ends.second, point(150, 100))) << describe(ends.second);
    EXPECT_EQ(items().current(), line.ref());
}

TEST_F(LineScaleTest, LineOnAnotherPageOfTheRangeStays)
{
    useFacingSpread();
    const int32_t onLeft = host::model::testdoc::addLine(layout(), 1, point(100, 100), point(100, 200)).ref();
    const int32_t onRight = host::model::testdoc::addLine(layout(), 2, point(100, 700), point(100, 800)).ref();
    setFactors(0.5, 0.5);
    scaleInPageRange({onLeft, onRight}, onLeft);
    EXPECT_TRUE(samePoint(endsOf(item(onLeft)).second, point(100, 150)));
    EXPECT_TRUE(samePoint(endsOf(item(onRight)).second, point(100, 800)));
}

} // namespace
} // namespace amplex::testing
