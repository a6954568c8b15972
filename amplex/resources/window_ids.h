// Amplex's windows, by their offset from the first window id it reserves.
#pragma once

#include <cstdint>

namespace amplex {

enum WindowOffset : int32_t {
    ScaleDialogWindow = 0,
    // Offset 1 is reserved and never used.
    ScalePageWindow = 2,
    OptionsPageWindow = 3,
    PresetsPageWindow = 4,
    TextFitPageWindow = 5,
    PaletteWindow = 6,
};

inline constexpr int32_t kWindowIdCount = 7;

} // namespace amplex
