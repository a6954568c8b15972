// Shaped corners and Bezier curves cut into straight pieces: the pieces stay within the flatness of the
// true curve, and damaged sizes or point counts give no outline rather than a wrong one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "host/model/items/outline_curves.h"
#include "xtapi/box_record.h"

namespace host_tests {
namespace {

using host::model::OutlinePoint;

double distanceToSegment(const OutlinePoint& p, const OutlinePoint& a, const OutlinePoint& b)
{
    const double dv = b.v - a.v, dh = b.h - a.h;
    const double length = dv * dv + dh * dh;
    const double t = length > 0 ? std::clamp(((p.v - a.v) * dv + (p.h - a.h) * dh) / length, 0.0, 1.0) : 0;
    return std::hypot(p.v - (a.v + t * dv), p.h - (a.h + t * dh));
}

double distanceToPolyline(const OutlinePoint& p, const std::vector<OutlinePoint>& line, bool closed)
{
    double nearest = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i + 1 < line.size() || (closed && i < line.size()); ++i)
        nearest = std::min(nearest, distanceToSegment(p, line[i], line[(i + 1) % line.size()]));
    return nearest;
}

OutlinePoint cubicAt(const OutlinePoint (&c)[4], double t)
{
    const double u = 1 - t;
    const double w[4] = {u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t};
    OutlinePoint p{0, 0};
    for (int i = 0; i < 4; ++i) {
        p.v += w[i] * c[i].v;
        p.h += w[i] * c[i].h;
    }
    return p;
}

TEST(OutlineCurves, ShapedCornersFollowTheirCurveWithinTheFlatness)
{
    struct Case {
        const char* what;
        uint8_t shape;
        OutlinePoint centre; // of the top-left corner's curve
        double corner;
    };
    const Case cases[] = {
        {"rounded: the curve's centre lies inside the box", xt::shape::kRoundedCorner, {20, 20}, 20},
        {"concave: it lies on the box's corner", xt::shape::kConcaveCorner, {0, 0}, 20},
        {"a large radius needs many pieces, still each within the flatness", xt::shape::kRoundedCorner, {300, 300}, 300},
    };
    for (const Case& c : cases) {
        const auto outline = host::model::cornerOutline(c.shape, 0, 0, 800, 1000, c.corner, 0.05);
        ASSERT_FALSE(outline.empty()) << c.what;
        // Every point of the top-left quarter circle is within the flatness of the outline.
        for (int i = 0; i <= 90; ++i) {
            const double t = i * std::acos(-1.0) / 180;
            const double sign = c.shape == xt::shape::kConcaveCorner ? 1 : -1;
            const OutlinePoint onCurve{c.centre.v + sign * c.corner * std::sin(t), c.centre.h + sign * c.corner * std::cos(t)};
            EXPECT_LE(distanceToPolyline(onCurve, outline, true), 0.05 + 1e-9) << c.what << ", " << i << " degrees";
        }
    }
}

TEST(OutlineCurves, CornersAreCutToHalfTheShorterSideAndBadSizesGiveNoOutline)
{
    // Bevelled: the four cuts of a 40 by 100 box with corners of 50 meet in the middle of its short sides.
    const auto bevel = host::model::cornerOutline(xt::shape::kBevelledCorner, 0, 0, 40, 100, 50);
    ASSERT_EQ(bevel.size(), 8u);
    EXPECT_DOUBLE_EQ(bevel[0].v, 20);
    EXPECT_DOUBLE_EQ(bevel[0].h, 0);
    EXPECT_DOUBLE_EQ(bevel[1].v, 0);
    EXPECT_DOUBLE_EQ(bevel[1].h, 20);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(host::model::cornerOutline(xt::shape::kRoundedCorner, 0, 0, 40, 100, 0).empty()) << "no corner";
    EXPECT_TRUE(host::model::cornerOutline(xt::shape::kRoundedCorner, 0, 0, 40, 100, -5).empty()) << "a negative corner";
    EXPECT_TRUE(host::model::cornerOutline(xt::shape::kRoundedCorner, 0, 0, 40, 100, nan).empty()) << "not a number";
    EXPECT_TRUE(host::model::cornerOutline(xt::shape::kRoundedCorner, 40, 0, 0, 100, 5).empty()) << "upside down";
    EXPECT_TRUE(host::model::cornerOutline(xt::shape::kRectangle, 0, 0, 40, 100, 5).empty()) << "no shaped corners";
    EXPECT_LE(host::model::cornerOutline(xt::shape::kRoundedCorner, 0, 0, 30000, 30000, 15000, 1e-9).size(), 4u * 65)
        << "a tiny flatness cannot make the outline huge";
}

TEST(OutlineCurves, ABezierCurveStaysWithinTheFlatnessOfItsPolyline)
{
    // An S curve from (0, 0) to (0, 300), and a curve back below it: a closed outline of two vertices.
    const OutlinePoint s[4] = {{0, 0}, {-150, 100}, {150, 200}, {0, 300}};
    const std::vector<OutlinePoint> stored{{80, 0}, s[0], s[1], s[2], s[3], {80, 300}};
    const auto closed = host::model::flattenBezier(stored, true, 0.05);
    ASSERT_GT(closed.size(), 8u);
    EXPECT_DOUBLE_EQ(closed.front().v, 0);
    EXPECT_DOUBLE_EQ(closed.front().h, 0);
    EXPECT_GT(closed.back().v, 0) << "the curve back ends at the first point, which is not repeated";
    for (int i = 0; i <= 1000; ++i)
        EXPECT_LE(distanceToPolyline(cubicAt(s, i / 1000.0), closed, true), 0.05 + 1e-9) << "t " << i / 1000.0;

    const auto open = host::model::flattenBezier(stored, false, 0.05);
    ASSERT_LT(open.size(), closed.size()) << "an open outline has no curve back";
    EXPECT_DOUBLE_EQ(open.back().v, 0);
    EXPECT_DOUBLE_EQ(open.back().h, 300);

    EXPECT_TRUE(host::model::flattenBezier({{0, 0}, {1, 1}}, true).empty()) << "not whole vertices";
    EXPECT_TRUE(host::model::flattenBezier({}, false).empty());
    EXPECT_EQ(host::model::flattenBezier({{0, 0}, {5, 5}, {0, 0}}, false).size(), 1u) << "one vertex is one point";
}

} // namespace
} // namespace host_tests
