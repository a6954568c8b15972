// Mockum's XTension id, the creator of its undo steps, and its one window.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace mockum {

inline constexpr xt::XTensionId kMockumId = xt::fourCC("BBR0");

/// The settings dialog is the only window, at offset 0 of the ids Mockum reserves.
inline constexpr int32_t kSettingsDialogWindow = 0;
inline constexpr int32_t kWindowIdCount = 1;

} // namespace mockum
