// The factor arithmetic of the scalers: which factors an item kind scales by, and positions and
// extents scaled about the origin, all through the host's FixedMultiply and FixedDivide.
#pragma once

#include <cstdint>

#include "amplex/settings/settings.h"
#include "xtapi/box_record.h"

namespace amplex {

using xt::Fixed;
using xt::FixedPoint;
using xt::FixedRect;

inline constexpr Fixed kFixedTwo = 0x20000;

/// A horizontal and a vertical factor; 1.0 = 0x10000 is 100 %.
struct Factors {
    Fixed h;
    Fixed v;

    Fixed smaller() const { return h < v ? h : v; }
};

/// `HorizontalFactor` and `VerticalFactor` of the live settings.
Factors settingsFactors();

/// Whether a "Keep Proportional" switch makes both factors the smaller one: only with "Constrain" off,
/// since a constrained scale has one factor already.
bool keepsProportion(uint8_t keepSwitch);

/// Both factors become the smaller one when `keepSwitch` keeps the proportion.
Factors proportional(Factors factors, uint8_t keepSwitch);

/// a - b, held to the 32-bit range.
Fixed difference(Fixed a, Fixed b);
/// a + b, held to the 32-bit range.
Fixed sum(Fixed a, Fixed b);

/// Where `value` lands when the distance from `origin` scales by `factor`.
Fixed scaleAbout(Fixed value, Fixed origin, Fixed factor);
FixedPoint scaleAbout(FixedPoint point, FixedPoint origin, Factors factors);

/// The point halfway between two coordinates, as the host halves: FixedDivide(a + b, 2.0).
Fixed midway(Fixed a, Fixed b);
FixedPoint centreOf(const FixedRect& rect);
FixedPoint midpointOf(FixedPoint a, FixedPoint b);

inline FixedPoint topLeftOf(const FixedRect& rect) { return {rect.top, rect.left}; }

/// The rectangle's height and width scaled by the factors.
Fixed scaledHeight(const FixedRect& rect, Fixed factor);
Fixed scaledWidth(const FixedRect& rect, Fixed factor);

/// The rectangle whose top-left is scaled about `origin` by `position` and whose extents are
/// scaled by `extent`: boxes keep their proportions through `extent` while they still move as the
/// plain factors say.
FixedRect scaledRect(const FixedRect& rect, FixedPoint origin, Factors position, Factors extent);

} // namespace amplex
