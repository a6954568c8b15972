// The curved parts of item outlines as straight pieces: the corners of rounded, bevelled and concave
// boxes, and Bezier outlines, each within a tolerance of the true curve.
#pragma once

#include <cstdint>
#include <vector>

namespace host::model {

/// A point in points, the vertical coordinate first as in every host rectangle.
struct OutlinePoint {
    double v, h;
};

/// How far a straight piece may stray from the curve it stands for, in points: well under what a
/// click can tell apart at any view scale the host offers.
inline constexpr double kOutlineFlatness = 0.05;

/// The outline of a box with shaped corners (rounded, bevelled or concave), going round from the top
/// left. The corner is the radius (or, bevelled, the length cut off each side), at most half the
/// shorter side. Empty for a shape without corners or a corner of no size.
std::vector<OutlinePoint> cornerOutline(uint8_t shape, double top, double left, double bottom, double right,
    double corner, double flatness = kOutlineFlatness);

/// A Bezier outline (each vertex as three points: the control point before it, the vertex, the control
/// point after it) as the polyline through its curves; a closed one runs on from its last vertex back to
/// its first, and the first point is not repeated. Empty when the points are not whole vertices.
std::vector<OutlinePoint> flattenBezier(const std::vector<OutlinePoint>& points, bool closed,
    double flatness = kOutlineFlatness);

} // namespace host::model
