// One table of Amplex's probe: Amplex's own calls as bound inside the loaded module, so that tests
// reach the host exactly as the plug-in does.
#pragma once

#include <cstdint>

#include "amplex/settings/settings.h"
#include "xtapi/types.h"

namespace amplex::probe {

inline constexpr char kProbeSymbol[] = "XTAmplexProbe";

struct ProbeApi {
    ScaleSettings* (*currentSettings)();
    int16_t (*readSettingsFile)(ScaleSettings* record, const char* name);
    int16_t (*createSettingsFile)(const ScaleSettings* record, const char* name);
    int16_t (*writeSettingsFile)(const ScaleSettings* record, const char* name);

    uint16_t (*languageCode)();
    void (*showScaleWarning)(const char* text);
    bool (*confirmLinkedChainScale)();
    bool (*isOnScaledPage)();

    bool (*paletteShown)();
    /// The palette preference record's bytes; false when the plug-in holds none.
    bool (*paletteRecord)(void* bytes, int32_t size);
    bool (*selectionHookInstalled)();
    uint16_t (*amplexItem)();
    uint16_t (*paletteItem)();
};

} // namespace amplex::probe
