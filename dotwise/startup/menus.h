// Dotwise's two menu items: Show/Hide in a host menu and "Dotwise..." under the shared "VORNE" menu.
#pragma once

#include <cstdint>

namespace dotwise {

struct DotwiseMenus {
    int32_t hostMenu = 0;
    uint16_t showHideItem = 0;
    uint16_t settingsItem = 0;
    bool built = false;
};

DotwiseMenus& dotwiseMenus();

/// Opens the palette when it is closed, closes it when it is open.
void togglePalette();
void openSettingsDialog();

} // namespace dotwise
