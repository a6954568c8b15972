// The probe's table of Amplex's own calls: settings files, warnings, palette and menus (see probe_api.h).
#include <cstring>

#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/common/scaled_page.h"
#include "amplex/settings/palette_state.h"
#include "amplex/settings/settings_file.h"
#include "amplex/startup/menus.h"
#include "amplex/startup/mouse_hook.h"
#include "amplex/tests/probe/probe_api.h"
#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"

namespace amplex::probe {
namespace {

bool copyPaletteRecord(void* bytes, int32_t size)
{
    xt::Handle record = paletteState().record();
    if (!record || xt::calls::GetHandleSize(record) < size)
        return false;
    std::memcpy(bytes, *record, static_cast<size_t>(size));
    return true;
}

} // namespace
} // namespace amplex::probe

extern "C" XT_PLUGIN_EXPORT const amplex::probe::ProbeApi XTAmplexProbe{
    .currentSettings = [] { return &amplex::currentSettings(); },
    .readSettingsFile = [](amplex::ScaleSettings* record, const char* name) {
        return amplex::settingsFile().read(record, name);
    },
    .createSettingsFile = [](const amplex::ScaleSettings* record, const char* name) {
        return amplex::settingsFile().create(record, name);
    },
    .writeSettingsFile = [](const amplex::ScaleSettings* record, const char* name) {
        return amplex::settingsFile().write(record, name);
    },
    .languageCode = &foundation::languageCode,
    .showScaleWarning = &amplex::ShowScaleWarning,
    .confirmLinkedChainScale = &amplex::ConfirmLinkedChainScale,
    .isOnScaledPage = &amplex::IsOnScaledPage,
    .paletteShown = [] { return amplex::paletteState().shown(); },
    .paletteRecord = &amplex::probe::copyPaletteRecord,
    .selectionHookInstalled = &amplex::selectionHookInstalled,
    .amplexItem = [] { return amplex::amplexMenus().amplexItem(); },
    .paletteItem = [] { return amplex::amplexMenus().paletteItem(); },
};
