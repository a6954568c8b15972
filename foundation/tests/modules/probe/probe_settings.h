// The probe's settings file, as every plug-in hands its own to the preset code.
#pragma once

#include <cstdint>

#include "foundation/settings/settings_file.h"
#include "foundation/tests/modules/probe/probe_api.h"

namespace probe {

ProbeSettings* workingSettings();
HookCounts* hookCounts();

const foundation::SettingsFile<ProbeSettings>& settingsFile();

void countScan();
void countSaveOrRename();
void countDeleteOrRefusedSave();

} // namespace probe
