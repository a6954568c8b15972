// Mockum's two items under "VORNE": the greek item (retitled for an empty text box) and the settings item.
#pragma once

#include <cstdint>

namespace mockum {

inline constexpr char kGreekLabel[] = "Greek-Ungreek Text";
inline constexpr char kFillLabel[] = "Fill With Placeholder Text";
inline constexpr char kSettingsLabel[] = "Mockum Settings...";

struct MockumMenus {
    uint16_t greekItem = 0;
    uint16_t settingsItem = 0;
    bool built = false;
};

MockumMenus& mockumMenus();

} // namespace mockum
