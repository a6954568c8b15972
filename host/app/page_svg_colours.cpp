// Colours as SVG writes them: eight bits a component, the shade mixed with the paper.
#include "host/app/page_svg_colours.h"

#include <cstdio>

#include "host/model/colours/colour_table.h"

namespace host::app {

std::optional<std::string> svgColour(const model::ColourTable& colours, int16_t colour, xt::Fixed shade)
{
    if (colour == xt::kNoColour)
        return std::nullopt;
    const model::Colour* found = colours.find(colour);
    const model::Rgb shown = found ? found->value().shownAt(shade) : model::Rgb{0, 0, 0};
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", (shown[0] + 128) / 257, (shown[1] + 128) / 257, (shown[2] + 128) / 257);
    return std::string(text);
}

} // namespace host::app
