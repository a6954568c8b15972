// Dotwise's own resources: its string table, version text, windows, popup menus and bitmaps.
#pragma once

#include <array>

#include "xtapi/records.h"

namespace dotwise {

inline constexpr size_t kResourceCount = 19;
extern const std::array<xt::Resource, kResourceCount> kDotwiseResources;

} // namespace dotwise
