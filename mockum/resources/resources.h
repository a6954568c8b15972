// Mockum's resource table: strings, undo texts, the placeholder text, the settings dialog and its banner.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "xtapi/records.h"
#include "xtapi/types.h"

namespace mockum {

inline constexpr xt::FourLetterCode kFillerTextType = xt::fourCC("TXET");
inline constexpr int16_t kFillerTextId = 20000;
inline constexpr int32_t kSettingsDialogResource = 999;
inline constexpr int32_t kBannerBitmap = 20008;

inline constexpr size_t kResourceCount = 10;
extern const std::array<xt::Resource, kResourceCount> kMockumResources;

} // namespace mockum
