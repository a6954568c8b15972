// Twinnel's resource table: the two dialogs, the destination popup's entries, the banner, the version.
#pragma once

#include <array>
#include <cstddef>

#include "xtapi/records.h"

namespace twinnel {

inline constexpr size_t kResourceCount = 7;
extern const std::array<xt::Resource, kResourceCount> kTwinnelResources;

} // namespace twinnel
