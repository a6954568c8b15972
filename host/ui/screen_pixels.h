// The screen's pixels, as GetPixel reads them: the layout window's current spread as a page drawing
// shows it (the paper, and the backgrounds and frames of boxes; text and pictures are not sampled).
#pragma once

#include "win32/windows.h"

namespace host::ui {

/// The colour of the screen pixel at (x, y) for the current host's current layout.
COLORREF screenPixel(int x, int y);

} // namespace host::ui
