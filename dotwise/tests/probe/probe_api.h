// The table Dotwise's probe exports: the plug-in's own calls, as bound inside the loaded module.
#pragma once

#include <cstdint>

#include "dotwise/settings/list_settings.h"
#include "dotwise/settings/palette_prefs.h"

namespace dotwise::probe {

inline constexpr char kProbeSymbol[] = "XTDotwiseProbe";

struct ProbeApi {
    void (*runListAction)(int16_t action);
    ListSettings* (*settings)();
    int16_t (*loadSettingsFile)(ListSettings* settings);
    int16_t (*saveSettings)(const ListSettings* settings);
    void (*loadSettings)(ListSettings* settings);
    PalettePrefs (*palettePrefs)();
    bool (*paletteOpen)();
};

} // namespace dotwise::probe
