// Threadix's XTension id and its three windows.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace threadix {

inline constexpr xt::XTensionId kThreadixId = xt::fourCC("BBRF");

/// Offsets into the window ids Threadix reserves.
enum ThreadixWindow : int32_t {
    kLinkDialogWindow = 0,
    kHelpDialogWindow = 1,
    kProgressWindow = 2,
};
inline constexpr int32_t kWindowIdCount = 3;

} // namespace threadix
