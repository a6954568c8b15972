// A line's end points from its record rectangle and angle, and back.
#include "host/model/items/line_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace host::model {
namespace {

constexpr double kFixedOne = 65536.0;

xt::Fixed toFixed(double value)
{
    return static_cast<xt::Fixed>(std::llround(value));
}

} // namespace

LineTransform LineTransform::of(const xt::FixedRect& rect, xt::Fixed angle)
{
    LineTransform transform;
    // The plug-ins shift a record's corners by one point before they ask for an end point and take
    // the point off again afterwards; turning about the shifted corner makes the shift cancel.
    transform.m_pivot = {rect.top + xt::kFixedOne, rect.left + xt::kFixedOne};
    const double radians = angle / kFixedOne * std::numbers::pi / 180.0;
    transform.m_cos = std::cos(radians);
    transform.m_sin = std::sin(radians);
    return transform;
}

xt::FixedPoint LineTransform::forward(xt::FixedPoint corner) const
{
    const double dv = static_cast<double>(corner.v) - m_pivot.v;
    const double dh = static_cast<double>(corner.h) - m_pivot.h;
    // Counter-clockwise on a screen whose vertical axis points down.
    const double h = dh * m_cos + dv * m_sin;
    const double v = dv * m_cos - dh * m_sin;
    return {m_pivot.v + toFixed(v), m_pivot.h + toFixed(h)};
}

xt::FixedPoint LineTransform::inverse(xt::FixedPoint point) const
{
    const double dv = static_cast<double>(point.v) - m_pivot.v;
    const double dh = static_cast<double>(point.h) - m_pivot.h;
    const double h = dh * m_cos - dv * m_sin;
    const double v = dv * m_cos + dh * m_sin;
    return {m_pivot.v + toFixed(v), m_pivot.h + toFixed(h)};
}

LineEnds lineEnds(const xt::FixedRect& rect, xt::Fixed angle)
{
    const LineTransform transform = LineTransform::of(rect, angle);
    const xt::FixedPoint shift{xt::kFixedOne, xt::kFixedOne};
    auto end = [&](xt::Fixed v, xt::Fixed h) {
        const xt::FixedPoint p = transform.forward({v + shift.v, h + shift.h});
        return xt::FixedPoint{p.v - shift.v, p.h - shift.h};
    };
    return {end(rect.top, rect.left), end(rect.bottom, rect.right)};
}

xt::FixedRect boundsOf(const LineEnds& ends)
{
    return {std::min(ends.first.v, ends.second.v), std::min(ends.first.h, ends.second.h),
        std::max(ends.first.v, ends.second.v), std::max(ends.first.h, ends.second.h)};
}

xt::Fixed fixedArcTangent(xt::Fixed dh, xt::Fixed dv)
{
    return toFixed(std::atan2(static_cast<double>(dv), static_cast<double>(dh)) * kFixedOne);
}

} // namespace host::model
