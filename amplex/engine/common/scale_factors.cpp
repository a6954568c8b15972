// The scalers' factor arithmetic.
#include "amplex/engine/common/scale_factors.h"

#include <algorithm>
#include <limits>

#include "foundation/binding/binding.h"

namespace amplex {
namespace {

Fixed saturate(int64_t value)
{
    return static_cast<Fixed>(std::clamp<int64_t>(value, std::numeric_limits<Fixed>::min(),
        std::numeric_limits<Fixed>::max()));
}

} // namespace

Factors settingsFactors()
{
    const ScaleSettings& settings = currentSettings();
    return {settings.HorizontalFactor, settings.VerticalFactor};
}

bool keepsProportion(uint8_t keepSwitch)
{
    return keepSwitch && !currentSettings().Constrain;
}

Factors proportional(Factors factors, uint8_t keepSwitch)
{
    if (!keepsProportion(keepSwitch))
        return factors;
    const Fixed smaller = factors.smaller();
    return {smaller, smaller};
}

Fixed difference(Fixed a, Fixed b)
{
    return saturate(int64_t{a} - b);
}

Fixed sum(Fixed a, Fixed b)
{
    return saturate(int64_t{a} + b);
}

Fixed scaleAbout(Fixed value, Fixed origin, Fixed factor)
{
    return sum(origin, xt::calls::FixedMultiply(difference(value, origin), factor));
}

FixedPoint scaleAbout(FixedPoint point, FixedPoint origin, Factors factors)
{
    return {scaleAbout(point.v, origin.v, factors.v), scaleAbout(point.h, origin.h, factors.h)};
}

Fixed midway(Fixed a, Fixed b)
{
    return xt::calls::FixedDivide(sum(a, b), kFixedTwo);
}

FixedPoint centreOf(const FixedRect& rect)
{
    return {midway(rect.top, rect.bottom), midway(rect.left, rect.right)};
}

FixedPoint midpointOf(FixedPoint a, FixedPoint b)
{
    return {midway(a.v, b.v), midway(a.h, b.h)};
}

Fixed scaledHeight(const FixedRect& rect, Fixed factor)
{
    return xt::calls::FixedMultiply(difference(rect.bottom, rect.top), factor);
}

Fixed scaledWidth(const FixedRect& rect, Fixed factor)
{
    return xt::calls::FixedMultiply(difference(rect.right, rect.left), factor);
}

FixedRect scaledRect(const FixedRect& rect, FixedPoint origin, Factors position, Factors extent)
{
    const Fixed top = scaleAbout(rect.top, origin.v, position.v);
    const Fixed left = scaleAbout(rect.left, origin.h, position.h);
    return {top, left, sum(top, scaledHeight(rect, extent.v)), sum(left, scaledWidth(rect, extent.h))};
}

} // namespace amplex
