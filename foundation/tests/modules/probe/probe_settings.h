// The probe's settings file calls, in the shape every plug-in hands to the preset code.
#pragma once

#include <cstdint>

#include "foundation/tests/modules/probe/probe_api.h"

namespace probe {

ProbeSettings* workingSettings();
HookCounts* hookCounts();

int16_t readSettingsFile(void* record, const char* path);
int16_t writeSettingsFile(void* record, const char* path);
int16_t createSettingsFile(void* record, const char* path);

void countScan();
void countSaveOrRename();
void countDeleteOrRefusedSave();

} // namespace probe
