// Dotwise's own resources: its string table, version text, windows, popup menus and bitmaps.
#pragma once

#include <array>

#include "xtapi/records.h"

namespace dotwise {

inline constexpr size_t kResourceCount = 18;
extern const std::array<xt::Resource, kResourceCount> kDotwiseResources;

} // namespace dotwise
