// Conversions and rounding of Fixed values.
#include "foundation/numbers/fixed_math.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace foundation {
namespace {

constexpr Fixed kHalfPointStep = 0x8000;
constexpr Fixed kQuarterPoint = 0x4000;
constexpr Fixed kThreeQuarterPoint = 0xC000;

int32_t saturate(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
        std::numeric_limits<int32_t>::max()));
}

} // namespace

Fixed DoubleToFixed(double value)
{
    if (std::isnan(value))
        return 0;
    return saturate(static_cast<int64_t>(std::clamp(std::trunc(value * 65536.0), -0x1p62, 0x1p62)));
}

Fixed FixedAbs(Fixed value)
{
    if (value >= 0)
        return value;
    return saturate(-static_cast<int64_t>(value));
}

int32_t FixedToInt(Fixed value)
{
    return value >> 16;
}

int32_t RoundToMultiple(int32_t value, int32_t step)
{
    if (step == 0)
        return value;
    // 64 bits, so that the rounded-up result cannot overflow.
    // A negative step rounds like its size.
    const int64_t wide = value;
    const int64_t size = step < 0 ? -int64_t{step} : int64_t{step};
    int64_t quotient = wide / size;
    const int64_t remainder = wide % size;
    if (remainder > size / 2)
        ++quotient;
    return saturate(quotient * size);
}

Fixed roundFontSizeTo(Fixed size, Fixed step)
{
    if (step != kHalfPointStep)
        return RoundToMultiple(size, step);
    const int32_t wholePoints = size / xt::kFixedOne;
    const Fixed whole = wholePoints * xt::kFixedOne;
    const Fixed fraction = size - whole;
    if (fraction <= kQuarterPoint)
        return whole;
    if (fraction <= kThreeQuarterPoint)
        return saturate(int64_t{whole} + kHalfPointStep);
    return saturate(int64_t{whole} + xt::kFixedOne);
}

} // namespace foundation
