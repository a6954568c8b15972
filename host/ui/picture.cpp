// Pictures described for the tests and the session's lines.
#include "host/ui/picture.h"

#include <cstdio>

namespace host::ui {

std::string Picture::describe() const
{
    std::string text;
    auto add = [&](const std::string& part) { text += (text.empty() ? "" : "; ") + part; };
    if (bitmap != 0)
        add("bitmap " + std::to_string(bitmap));
    if (fill) {
        char colour[16];
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", fill->red >> 8, fill->green >> 8, fill->blue >> 8);
        add(std::string("fill ") + colour);
    }
    for (const PictureMark& mark : marks) {
        const std::string at = " at " + std::to_string(mark.x) + "," + std::to_string(mark.y);
        add(mark.bitmap != 0 ? "bitmap " + std::to_string(mark.bitmap) + at : "text \"" + mark.text + "\"" + at);
    }
    return text.empty() ? "empty" : text;
}

} // namespace host::ui
