// Dotwise's XTension id: its name to the host, and the id of the settings block a document may carry.
#pragma once

#include "xtapi/types.h"

namespace dotwise {

/// The bytes "BBR" then 0xFE in memory.
inline constexpr xt::XTensionId kDotwiseId = 0xFE524242;

} // namespace dotwise
