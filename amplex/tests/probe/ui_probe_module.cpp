// The probe's table of Amplex's dialog state and the calls that open its windows (see ui_probe_api.h).
#include "amplex/resources/window_ids.h"
#include "amplex/settings/palette_state.h"
#include "amplex/tests/probe/ui_probe_api.h"
#include "foundation/binding/binding.h"
#include "foundation/plugin/plugin_state.h"
#include "foundation/plugin/skeleton.h"

namespace amplex::uiprobe {
namespace {

int32_t openScaleDialog()
{
    int32_t result = -1;
    xt::calls::OpenDialog(foundation::pluginState().windowId(ScaleDialogWindow), 0, &result);
    return result;
}

xt::WindowRef openPalette()
{
    xt::WindowRef window = 0;
    xt::calls::OpenPalette(foundation::pluginState().windowId(PaletteWindow), paletteState().record(),
        paletteState().windowSlot());
    window = *paletteState().windowSlot();
    return window;
}

} // namespace
} // namespace amplex::uiprobe

extern "C" XT_PLUGIN_EXPORT const amplex::uiprobe::UiProbeApi XTAmplexUiProbe{
    .currentSettings = [] { return &amplex::currentSettings(); },
    .dialogState = [] { return &amplex::ui::dialogState(); },
    .windowId = [](int32_t offset) { return foundation::pluginState().windowId(offset); },
    .openScaleDialog = &amplex::uiprobe::openScaleDialog,
    .openPalette = &amplex::uiprobe::openPalette,
};
