// Amplex's own resources: its string table, version text and undo texts.
#pragma once

#include <array>

#include "xtapi/records.h"

namespace amplex {

inline constexpr size_t kResourceCount = 44;

extern const std::array<xt::Resource, kResourceCount> kAmplexResources;

} // namespace amplex
