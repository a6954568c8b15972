// The probe's table of Dotwise's calls (see probe_api.h).
#include "dotwise/engine/list_run.h"
#include "dotwise/settings/settings_file.h"
#include "dotwise/tests/probe/probe_api.h"
#include "foundation/plugin/skeleton.h"

extern "C" XT_PLUGIN_EXPORT const dotwise::probe::ProbeApi XTDotwiseProbe{
    .runListAction = &dotwise::RunListAction,
    .settings = [] { return &dotwise::listSettings(); },
    .loadSettingsFile = [](dotwise::ListSettings* settings) { return dotwise::LoadListSettingsFile(*settings); },
    .saveSettings = [](const dotwise::ListSettings* settings) { return dotwise::SaveListSettings(*settings); },
    .loadSettings = [](dotwise::ListSettings* settings) { dotwise::LoadListSettings(*settings); },
    .palettePrefs = [] { return dotwise::paletteState().prefs(); },
    .paletteOpen = [] { return dotwise::paletteState().window() != 0; },
};
