// Dotwise's windows, by their offset from the first window id it reserves.
#pragma once

#include <cstdint>

namespace dotwise {

enum WindowOffset : int32_t {
    PaletteWindow = 0,
    SettingsDialogWindow = 1,
};
inline constexpr int32_t kWindowIdCount = 2;

} // namespace dotwise
