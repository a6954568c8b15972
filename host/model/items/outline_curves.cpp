// Corner profiles and Bezier curves cut into straight pieces, each piece within the flatness of its curve.
#include "host/model/items/outline_curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "xtapi/box_record.h"

namespace host::model {
namespace {

/// At most this many pieces a quarter circle, so that a damaged corner cannot make the outline huge: they
/// keep within the flatness up to a radius of about 650 pt, and within a ten-thousandth of the radius beyond.
constexpr int kMostQuarterPieces = 64;
/// Halving a Bezier curve this often leaves pieces far shorter than any flatness asks for.
constexpr int kDeepestHalving = 16;

/// How many pieces a quarter circle of this radius needs so that none strays more than `flatness`.
int quarterPieces(double radius, double flatness)
{
    if (radius <= flatness)
        return 1;
    const double step = 2 * std::acos(1 - flatness / radius);
    return std::clamp(static_cast<int>(std::ceil(std::numbers::pi / 2 / step)), 1, kMostQuarterPieces);
}

/// One corner of the box: `at` is the corner itself, `back` and `ahead` the unit steps along the side
/// the outline comes in on (pointing away from the corner) and the side it leaves by.
struct Corner {
    OutlinePoint at, back, ahead;
};

OutlinePoint along(const OutlinePoint& from, const OutlinePoint& step, double by)
{
    return {from.v + step.v * by, from.h + step.h * by};
}

void addCorner(std::vector<OutlinePoint>& outline, uint8_t shape, const Corner& c, double r, int pieces)
{
    const OutlinePoint start = along(c.at, c.back, r);
    const OutlinePoint end = along(c.at, c.ahead, r);
    if (shape == xt::shape::kBevelledCorner) {
        outline.insert(outline.end(), {start, end});
        return;
    }
    // A rounded corner bulges out towards the box's corner about a centre inside the box; a concave one
    // bites in, about the box's corner itself.
    const bool rounded = shape == xt::shape::kRoundedCorner;
    const OutlinePoint centre = rounded ? along(start, c.ahead, r) : c.at;
    for (int i = 0; i <= pieces; ++i) {
        const double t = std::numbers::pi / 2 * i / pieces;
        const OutlinePoint first = rounded ? OutlinePoint{-c.ahead.v, -c.ahead.h} : c.back;
        const OutlinePoint second = rounded ? OutlinePoint{-c.back.v, -c.back.h} : c.ahead;
        outline.push_back(along(along(centre, first, r * std::cos(t)), second, r * std::sin(t)));
    }
}

struct Cubic {
    OutlinePoint p0, p1, p2, p3;
};

double distanceToChord(const OutlinePoint& p, const OutlinePoint& a, const OutlinePoint& b)
{
    const double dv = b.v - a.v;
    const double dh = b.h - a.h;
    const double length = std::hypot(dv, dh);
    if (length == 0)
        return std::hypot(p.v - a.v, p.h - a.h);
    return std::abs((p.v - a.v) * dh - (p.h - a.h) * dv) / length;
}

OutlinePoint middle(const OutlinePoint& a, const OutlinePoint& b)
{
    return {(a.v + b.v) / 2, (a.h + b.h) / 2};
}

/// Adds the curve's points after its first: halved until its control points lie within the flatness
/// of the chord, which bounds how far the curve strays from it.
void addCubic(std::vector<OutlinePoint>& out, const Cubic& c, double flatness, int depth)
{
    const bool flat = distanceToChord(c.p1, c.p0, c.p3) <= flatness && distanceToChord(c.p2, c.p0, c.p3) <= flatness;
    if (flat || depth >= kDeepestHalving) {
        out.push_back(c.p3);
        return;
    }
    const OutlinePoint p01 = middle(c.p0, c.p1), p12 = middle(c.p1, c.p2), p23 = middle(c.p2, c.p3);
    const OutlinePoint p012 = middle(p01, p12), p123 = middle(p12, p23);
    const OutlinePoint half = middle(p012, p123);
    addCubic(out, {c.p0, p01, p012, half}, flatness, depth + 1);
    addCubic(out, {half, p123, p23, c.p3}, flatness, depth + 1);
}

} // namespace

std::vector<OutlinePoint> cornerOutline(uint8_t shape, double top, double left, double bottom, double right,
    double corner, double flatness)
{
    const bool cornered = shape == xt::shape::kRoundedCorner || shape == xt::shape::kBevelledCorner
        || shape == xt::shape::kConcaveCorner;
    const double r = std::min({corner, (bottom - top) / 2, (right - left) / 2});
    if (!cornered || !(r > 0))
        return {};
    const int pieces = quarterPieces(r, flatness);
    const Corner corners[] = {
        {{top, left}, {1, 0}, {0, 1}},
        {{top, right}, {0, -1}, {1, 0}},
        {{bottom, right}, {-1, 0}, {0, -1}},
        {{bottom, left}, {0, 1}, {-1, 0}},
    };
    std::vector<OutlinePoint> outline;
    for (const Corner& c : corners)
        addCorner(outline, shape, c, r, pieces);
    return outline;
}

std::vector<OutlinePoint> flattenBezier(const std::vector<OutlinePoint>& points, bool closed, double flatness)
{
    if (points.empty() || points.size() % 3 != 0)
        return {};
    const size_t vertices = points.size() / 3;
    const auto vertex = [&](size_t i) { return points[3 * i + 1]; };
    const auto after = [&](size_t i) { return points[3 * i + 2]; };
    const auto before = [&](size_t i) { return points[3 * i]; };
    std::vector<OutlinePoint> out{vertex(0)};
    const size_t curves = closed ? vertices : vertices - 1;
    for (size_t i = 0; i < curves; ++i) {
        const size_t next = (i + 1) % vertices;
        addCubic(out, {vertex(i), after(i), before(next), vertex(next)}, flatness, 0);
    }
    if (closed && out.size() > 1)
        out.pop_back(); // the closing curve ends where the outline began
    return out;
}

} // namespace host::model
