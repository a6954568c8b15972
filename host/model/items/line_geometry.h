// Where a line's end points lie: a line is its record rectangle turned by its angle.
#pragma once

#include "xtapi/box_record.h"

namespace host::model {

/// The turn of a line item: its angle (Fixed degrees, counter-clockwise on the screen, whose
/// vertical axis points down) about a pivot.
class LineTransform {
public:
    /// The transform of a line whose record holds `rect` and `angle`.
    static LineTransform of(const xt::FixedRect& rect, xt::Fixed angle);

    /// From a record corner to the end point it stands for.
    xt::FixedPoint forward(xt::FixedPoint corner) const;
    /// From a wanted end point to the record corner that gives it.
    xt::FixedPoint inverse(xt::FixedPoint point) const;

private:
    xt::FixedPoint m_pivot{};
    double m_cos = 1.0;
    double m_sin = 0.0;
};

struct LineEnds {
    xt::FixedPoint first, second;
};

/// The end points of a line whose record holds `rect` and `angle`.
LineEnds lineEnds(const xt::FixedRect& rect, xt::Fixed angle);
/// The rectangle that holds both end points.
xt::FixedRect boundsOf(const LineEnds& ends);

/// atan2(dv, dh) in Fixed radians.
xt::Fixed fixedArcTangent(xt::Fixed dh, xt::Fixed dv);

} // namespace host::model
