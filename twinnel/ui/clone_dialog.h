// The clone dialog (20000, "VORNE Twinnel"): source, destination and options, edited on a copy of the
// settings that only OK hands back.
#pragma once

#include <cstdint>

#include "twinnel/settings/clone_settings.h"

namespace twinnel {

/// Opens the dialog for the current layout; `boxSelected` offers "Selection". On OK the dialog's
/// values replace `settings` and the result is true; Cancel leaves them as they were.
bool runCloneDialog(CloneSettings& settings, int16_t current, bool boxSelected);

int32_t CloneDialogCallback(void* record);

} // namespace twinnel
