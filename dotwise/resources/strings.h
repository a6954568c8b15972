// Dotwise's strings by their base id; the id loaded is base + 100 x the language code, which Dotwise
// keeps at 0.
#pragma once

#include <cstdint>
#include <string>

namespace dotwise {

enum StringId : int32_t {
    StringShowPalette = 20001,
    StringHidePalette = 20002,
    StringPreferenceFile = 20011,
};

inline constexpr char kSettingsItemLabel[] = "Dotwise...";

/// The string of `base` for the current language code; empty when the table lacks it.
std::string loadDotwiseString(int32_t base);

} // namespace dotwise
