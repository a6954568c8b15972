// Conversions and rounding of Fixed values that plug-ins share.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace foundation {

using xt::Fixed;

/// d x 65536 truncated toward zero, negative values too: -1.5 gives -0x18000.
Fixed DoubleToFixed(double value);

Fixed FixedAbs(Fixed value);

/// The integer part, rounded toward minus infinity: -0x8000 gives -1.
int32_t FixedToInt(Fixed value);

/// Rounds to a multiple of `step`: a remainder of more than half a step rounds away from zero,
/// exactly half a step rounds toward zero, so 7 to 2 gives 6 and -7 to 4 gives -4.
/// A step of 0 leaves the value as it is; a result past the 32-bit range stops at its end.
int32_t RoundToMultiple(int32_t value, int32_t step);

/// Snaps a point size to `step`. The default half-point step rounds fractions up to 0.25 pt down,
/// up to 0.75 pt to the half point, and above that to the next whole point.
Fixed roundFontSizeTo(Fixed size, Fixed step);

} // namespace foundation
