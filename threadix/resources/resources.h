// Threadix's resource table: its version, its three windows and their two bitmaps.
#pragma once

#include <array>
#include <cstddef>

#include "xtapi/records.h"

namespace threadix {

inline constexpr size_t kResourceCount = 7;
extern const std::array<xt::Resource, kResourceCount> kThreadixResources;

} // namespace threadix
