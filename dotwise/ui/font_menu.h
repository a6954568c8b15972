// The installed font families for the bullet font popup: enumerated into a Windows menu and sorted each
// time the settings dialog opens; the table of names is freed at quit.
#pragma once

#include <array>
#include <vector>

#include "win32/windows.h"

namespace dotwise::ui {

/// A family name as the table keeps it: up to 255 bytes and a terminating zero.
using FontName = std::array<char, 256>;

/// Enumerates the families again (raster fonts left out), sorts them by name and appends each to
/// `menu`. Nothing is appended when no temporary menu can be made.
void BuildFontMenu(HMENU menu);
/// The names of the last BuildFontMenu, sorted.
const std::vector<FontName>& fontNames();
void freeFontNames();

} // namespace dotwise::ui
