// The settings dialog (999, "VORNE Mockum"): scope, page range and the size rule, edited on a copy
// of the settings that only OK hands back.
#pragma once

#include <cstdint>

#include "mockum/settings/greek_settings.h"

namespace mockum {

/// Opens the dialog on a copy of `settings` whose To page is the document's page count. On OK the
/// copy, its pages kept within 1..pageCount, replaces `settings` and the result is true; Cancel (or a
/// dialog the host could not open) leaves `settings` as it was.
bool runSettingsDialog(GreekSettings& settings, int32_t pageCount);

} // namespace mockum
