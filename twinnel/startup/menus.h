// Twinnel's one item under "VORNE": "Twinnel...".
#pragma once

#include <cstdint>

namespace twinnel {

inline constexpr char kCloneLabel[] = "Twinnel...";

/// The item's id, 0 until the menu is built.
uint16_t cloneItemId();

} // namespace twinnel
