// "Dotwise Preferences.prf": the palette record read at start-up and written at quit.
#pragma once

#include <cstdint>

#include "dotwise/settings/palette_prefs.h"

namespace dotwise {

/// Reads the record into the palette state's block. A file that is new, short or damaged gets the
/// defaults written into it; false only when the file cannot be opened or read at all.
bool readPalettePreferences();

/// Writes the palette record back (errors are not shown: the plug-in is quitting).
void writePalettePreferences();

} // namespace dotwise
