// The warning shown when a scaled box falls below the smallest size its frame allows.
#pragma once

#include <cstdint>
#include <string>

#include "xtapi/types.h"

namespace amplex {

using xt::Fixed;

/// The three messages of one kind of box: both extents too small, only the height, only the width.
struct MinimumSizeMessages {
    int32_t both;
    int32_t height;
    int32_t width;
};

/// The host's text for a measurement in `unit` (0x73 horizontal, 0x74 vertical measure); empty when
/// the host cannot format it.
std::string measurementText(Fixed value, int32_t unit);

/// Shows the message for whichever extents lie below `minimum`, followed by the minimum; nothing
/// when both reach it. The scale goes on either way.
void warnIfBelowMinimum(Fixed height, Fixed width, Fixed minimum, const MinimumSizeMessages& messages);

} // namespace amplex
