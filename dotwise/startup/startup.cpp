// Start-up: the palette record from the preference file, the settings from their file or the defaults.
#include "dotwise/startup/startup.h"

#include "dotwise/settings/list_settings.h"
#include "dotwise/settings/settings_file.h"
#include "dotwise/startup/preference_file.h"
#include "foundation/binding/binding.h"
#include "xtapi/status.h"

namespace dotwise {
namespace {

int16_t g_resourceFile = 0;

} // namespace

int16_t ownResourceFile()
{
    return g_resourceFile;
}

int32_t dotwiseStartUp()
{
    if (!readPalettePreferences())
        return xt::kStatusRefused;
    ListSettings& settings = listSettings();
    if (LoadListSettingsFile(settings) != xt::kStatusOk)
        settings = defaultListSettings();
    // Style overrides never survive a restart; the next action reloads them from the file.
    ResetStyleOverrides(settings);
    xt::calls::GetOwnResourceFile(&g_resourceFile);
    return 0;
}

} // namespace dotwise
