// A window's drawing (what a plug-in drew into its device context) as an SVG picture.
#pragma once

#include <string>
#include <vector>

#include "win32/standin.h"

namespace host::app {

/// The shapes in the order they were drawn, on a picture as large as they reach (at least 1 x 1);
/// hatched brushes show as their colour at half strength.
std::string drawWindowSvg(const std::vector<win32::DrawnShape>& shapes);

} // namespace host::app
