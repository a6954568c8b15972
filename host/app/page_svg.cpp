// Draws a page as SVG (the page, its guides and its items, back to front) and writes the picture to a file.
#include "host/app/page_svg.h"

#include <fstream>
#include <system_error>
#include <unistd.h>

#include "host/app/page_svg_items.h"
#include "host/model/document_model.h"
#include "host/model/layers/layer_edits.h"
#include "host/model/spread_layout.h"

namespace host::app {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMarginColour = "#ff00ff";
constexpr const char* kColumnColour = "#8a2be2";
constexpr double kGuideWidth = 0.25;

double points(xt::Fixed value)
{
    return static_cast<double>(value) / xt::kFixedOne;
}

SvgAttributes guideStroke(const char* colour)
{
    return {{"fill", "none"}, {"stroke", colour}, {"stroke-width", svgNumber(kGuideWidth)}};
}

void drawVertical(SvgWriter& svg, const char* cls, const char* colour, double x, double top, double bottom)
{
    SvgAttributes line{{"class", cls}, {"x1", svgNumber(x)}, {"y1", svgNumber(top)}, {"x2", svgNumber(x)},
        {"y2", svgNumber(bottom)}};
    const SvgAttributes stroke = guideStroke(colour);
    line.insert(line.end(), stroke.begin(), stroke.end());
    svg.element("line", line);
}

void drawHorizontal(SvgWriter& svg, const char* cls, const char* colour, double y, double left, double right)
{
    SvgAttributes line{{"class", cls}, {"x1", svgNumber(left)}, {"y1", svgNumber(y)}, {"x2", svgNumber(right)},
        {"y2", svgNumber(y)}};
    const SvgAttributes stroke = guideStroke(colour);
    line.insert(line.end(), stroke.begin(), stroke.end());
    svg.element("line", line);
}

/// The margin rectangle, and a pair of lines for each gutter between columns.
void drawMarginsAndColumns(SvgWriter& svg, const model::PageSetup& setup, double width, double height)
{
    const model::PageMargins& margins = setup.margins();
    const double left = points(margins.left), top = points(margins.top);
    const double right = width - points(margins.right), bottom = height - points(margins.bottom);
    if (right <= left || bottom <= top)
        return;
    SvgAttributes rect{{"class", "margins"}, {"x", svgNumber(left)}, {"y", svgNumber(top)},
        {"width", svgNumber(right - left)}, {"height", svgNumber(bottom - top)}};
    const SvgAttributes stroke = guideStroke(kMarginColour);
    rect.insert(rect.end(), stroke.begin(), stroke.end());
    svg.element("rect", rect);

    const int32_t count = setup.columns().count;
    const double gutter = points(setup.columns().gutter);
    const double column = count > 1 ? (right - left - (count - 1) * gutter) / count : 0;
    if (count <= 1 || column <= 0)
        return;
    for (int32_t k = 1; k < count; ++k) {
        const double end = left + k * column + (k - 1) * gutter;
        drawVertical(svg, "column-guide", kColumnColour, end, top, bottom);
        drawVertical(svg, "column-guide", kColumnColour, end + gutter, top, bottom);
    }
}

/// "#rrggbb" of 16-bit components, each rounded to 8 bits.
std::string hexColour(const model::GuideRgb& rgb)
{
    static const char digits[] = "0123456789abcdef";
    std::string out = "#";
    for (uint16_t component : {rgb.red, rgb.green, rgb.blue}) {
        const int byte = (component + 128) / 257;
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
    return out;
}

/// The ruler guides of the page's own list and of its spread's, across the page, each in its kind's colour.
void drawRulerGuides(SvgWriter& svg, const model::Layout& layout, size_t pageIndex, const xt::PlaceRecord& place,
    double width, double height, const model::GuideKindColours& colours)
{
    const model::PageSlot slot{model::PageList::Document, pageIndex};
    // A spread's vertical guide over its other page is not this page's to show.
    for (int32_t set : {xt::kGuidePageSet, xt::kGuideSpreadSet}) {
        const auto key = model::guideListOfSlot(layout, slot, set);
        if (!key)
            continue;
        for (const model::Guide& guide : layout.guides().guides(*key, model::GuideKind::Vertical)) {
            const double x = points(guide.position()) - points(place.pageLeft);
            if (x >= 0 && x <= width)
                drawVertical(svg, "guide", hexColour(colours.colourOf(guide.colour())).c_str(), x, 0, height);
        }
        for (const model::Guide& guide : layout.guides().guides(*key, model::GuideKind::Horizontal)) {
            const double y = points(guide.position()) - points(place.pageTop);
            if (y >= 0 && y <= height)
                drawHorizontal(svg, "guide", hexColour(colours.colourOf(guide.colour())).c_str(), y, 0, width);
        }
    }
}

} // namespace

std::string drawPageSvg(const model::Layout& layout, size_t pageIndex)
{
    return drawPageSvg(layout, pageIndex, model::GuideKindColours{});
}

std::string drawPageSvg(const model::Layout& layout, size_t pageIndex, const model::GuideKindColours& guideColours)
{
    const model::Page& page = layout.page(pageIndex);
    const xt::PlaceRecord place = model::placeOf(layout, {model::PageList::Document, pageIndex});
    const double width = points(page.size().width), height = points(page.size().height);

    SvgWriter svg(width, height);
    svg.element("rect", {{"class", "page"}, {"x", "0"}, {"y", "0"}, {"width", svgNumber(width)},
                            {"height", svgNumber(height)}, {"fill", "#ffffff"}, {"stroke", "#000000"},
                            {"stroke-width", "0.5"}});
    drawMarginsAndColumns(svg, layout.setup(), width, height);
    drawRulerGuides(svg, layout, pageIndex, place, width, height, guideColours);

    const PageCanvas canvas{layout, svg, place.pageTop, place.pageLeft};
    for (int32_t ref : layout.items().topLevelOnPage(page.ref())) {
        const model::Item* item = layout.items().find(ref);
        if (item && model::isShown(layout, *item))
            drawItem(canvas, *item);
    }
    return svg.finish();
}

std::optional<std::string> writeSvgFile(const fs::path& file, const std::string& svg)
{
    const std::string name = "\"" + file.string() + "\"";
    const fs::path temporary = fs::path(file).concat(".drawing-" + std::to_string(::getpid()));
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return "cannot write " + name + ": the folder is missing or not writable";
        out << svg;
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return "cannot write " + name + ": the disk refused the data";
        }
    }
    std::error_code error;
    fs::rename(temporary, file, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return "cannot write " + name + ": " + error.message();
    }
    return std::nullopt;
}

} // namespace host::app
