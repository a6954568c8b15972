// Twinnel's XTension id and its two windows.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace twinnel {

inline constexpr xt::XTensionId kTwinnelId = xt::fourCC("BBR%");

/// The clone dialog and the page-insert confirmation, at offsets 0 and 1 of the ids Twinnel reserves.
inline constexpr int32_t kCloneDialogWindow = 0;
inline constexpr int32_t kInsertPagesWindow = 1;
inline constexpr int32_t kWindowIdCount = 2;

} // namespace twinnel
