// The installed font families for the bullet font popup: enumerated and sorted each time the settings
// dialog opens, freed at quit.
#pragma once

#include <string>
#include <vector>

namespace dotwise::ui {

/// Enumerates the families again (raster fonts left out) and sorts them by name.
const std::vector<std::string>& BuildFontNames();
const std::vector<std::string>& fontNames();
void freeFontNames();

} // namespace dotwise::ui
