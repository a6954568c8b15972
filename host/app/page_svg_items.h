// Draws a page's items into an SVG writer (used by page_svg.cpp).
#pragma once

#include "host/app/svg_writer.h"
#include "xtapi/types.h"

namespace host::model {
class Item;
class Layout;
}

namespace host::app {

/// What drawing the items of one page needs: where the page lies in its spread, and where to write.
struct PageCanvas {
    const model::Layout& layout;
    SvgWriter& svg;
    xt::Fixed pageTop = 0;
    xt::Fixed pageLeft = 0;

    /// Spread coordinates in Fixed to page coordinates in points.
    double x(xt::Fixed h) const;
    double y(xt::Fixed v) const;
};

/// Draws the item and, for a group or table, its members.
void drawItem(const PageCanvas& canvas, const model::Item& item);

} // namespace host::app
