// A window's drawing as an SVG picture, one element per drawing operation.
#include "host/app/window_svg.h"

#include <algorithm>
#include <cstdio>

#include "host/app/svg_writer.h"

namespace host::app {
namespace {

std::string colourText(COLORREF colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

SvgAttributes box(const RECT& rect)
{
    return {{"x", svgNumber(rect.left)}, {"y", svgNumber(rect.top)}, {"width", svgNumber(rect.right - rect.left)},
        {"height", svgNumber(rect.bottom - rect.top)}};
}

SvgAttributes with(SvgAttributes attributes, const SvgAttributes& more)
{
    attributes.insert(attributes.end(), more.begin(), more.end());
    return attributes;
}

void drawShape(SvgWriter& svg, const win32::DrawnShape& shape)
{
    using Kind = win32::DrawnShape::Kind;
    const std::string opacity = shape.hatch >= 0 ? "0.5" : "1";
    switch (shape.kind) {
    case Kind::Fill:
        svg.element("rect", with(box(shape.rect), {{"class", "fill"}, {"fill", colourText(shape.colour)}, {"fill-opacity", opacity}}));
        return;
    case Kind::Frame: {
        // FrameRect paints a one-pixel border inside the rectangle.
        const RECT inner{shape.rect.left, shape.rect.top, std::max(shape.rect.left, shape.rect.right - 1),
            std::max(shape.rect.top, shape.rect.bottom - 1)};
        const SvgAttributes frame{{"class", "frame"}, {"fill", "none"}, {"stroke", colourText(shape.colour)},
            {"stroke-opacity", opacity}, {"stroke-width", "1"}, {"transform", "translate(0.5 0.5)"}};
        svg.element("rect", with(box(inner), frame));
        return;
    }
    case Kind::Text:
        if (!shape.transparent)
            svg.element("rect", with(box(shape.rect), {{"class", "text-background"}, {"fill", colourText(shape.background)}}));
        svg.textElement("text",
            {{"x", svgNumber(shape.rect.left)}, {"y", svgNumber(shape.rect.bottom)}, {"font-family", shape.fontFace},
                {"font-size", svgNumber(shape.fontHeight)}, {"font-weight", std::to_string(shape.fontWeight)},
                {"fill", colourText(shape.colour)}},
            shape.text);
        return;
    case Kind::Blit:
        svg.element("rect", with(box(shape.rect), {{"class", "bitmap"}, {"data-bitmap", std::to_string(shape.bitmap)},
                                                       {"fill", "#c0c0c0"}, {"stroke", "#808080"}}));
        return;
    }
}

} // namespace

std::string drawWindowSvg(const std::vector<win32::DrawnShape>& shapes)
{
    LONG width = 1;
    LONG height = 1;
    for (const win32::DrawnShape& shape : shapes) {
        width = std::max(width, shape.rect.right);
        height = std::max(height, shape.rect.bottom);
    }
    SvgWriter svg(width, height);
    for (const win32::DrawnShape& shape : shapes)
        drawShape(svg, shape);
    return svg.finish();
}

} // namespace host::app
