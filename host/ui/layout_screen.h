// Where the layout window shows the page on the screen: the current page's spread at 100 %, one
// point a pixel, its top-left corner at a fixed screen point.
#pragma once

#include <cstdint>

#include "host/model/document_model.h"
#include "win32/windows.h"

namespace host::ui {

inline constexpr int32_t kSpreadScreenLeft = 100;
inline constexpr int32_t kSpreadScreenTop = 100;

/// The screen pixel under a point of the layout's current page (points from the page's top-left
/// corner); with no layout, the point as if a page sat at the spread's corner.
POINT screenPointOfPage(const model::Layout* layout, double x, double y);

} // namespace host::ui
