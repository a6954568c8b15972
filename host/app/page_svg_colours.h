// The colours of a drawn page: a layout's colour at a shade as an SVG colour.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "xtapi/types.h"

namespace host::model {
class ColourTable;
}

namespace host::app {

/// "#rrggbb" for the colour at the shade; empty for no colour (xt::kNoColour). A number that names no
/// colour of the table is drawn black, so that what uses it still shows.
std::optional<std::string> svgColour(const model::ColourTable& colours, int16_t colour, xt::Fixed shade);

} // namespace host::app
