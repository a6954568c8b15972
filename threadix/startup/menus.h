// Threadix's one item under "VORNE".
#pragma once

#include <cstdint>

namespace threadix {

inline constexpr char kThreadixLabel[] = "Threadix...";

/// The item's id, 0 until the menus are built.
uint16_t threadixItem();

} // namespace threadix
