// One table of Amplex's probe: the dialog state and the calls that open Amplex's windows from inside
// the module.
#pragma once

#include <cstdint>

#include "amplex/settings/settings.h"
#include "amplex/ui/dialog_state.h"

namespace amplex::uiprobe {

inline constexpr char kUiProbeSymbol[] = "XTAmplexUiProbe";

struct UiProbeApi {
    ScaleSettings* (*currentSettings)();
    ui::DialogState* (*dialogState)();
    /// The window id Amplex reserved at `offset` (window_ids.h).
    int32_t (*windowId)(int32_t offset);
    /// Runs the Scale dialog as the commands do; the host's result (1 after OK).
    int32_t (*openScaleDialog)();
    /// Opens the palette as the palette menu item does; its window, or 0.
    xt::WindowRef (*openPalette)();
};

} // namespace amplex::uiprobe
