// Draws items as SVG: framed boxes, shaped outlines, lines, groups, tables, text lines and picture boxes.
#include "host/app/page_svg_items.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "host/app/page_svg_colours.h"
#include "host/model/composer/chain_layout.h"
#include "host/model/document_model.h"
#include "host/model/items/line_geometry.h"
#include "host/model/text/text_boxes.h"

namespace host::app {
namespace {

using model::Item;

/// Groups inside groups deeper than this are damaged data (a loop), not a drawing.
constexpr int kMaxNesting = 64;
/// A frame of no weight still shows where the box is, as the layout window shows it.
constexpr double kHairline = 0.25;
constexpr const char* kHairlineColour = "#999999";
constexpr const char* kPictureCrossColour = "#808080";

double points(xt::Fixed value)
{
    return static_cast<double>(value) / xt::kFixedOne;
}

std::string number(double value)
{
    return svgNumber(value);
}

/// Bit 0 of the item record's byte 4: the item shows no background whatever its colour.
constexpr uint8_t kNoBackgroundBit = 0x01;

/// The background's fill: none without a colour, at a shade of 0 or with the no-background bit.
std::string fillOf(const PageCanvas& canvas, const Item& item)
{
    const model::ColourUse& background = item.background();
    if (background.shade <= 0 || (item.record().reserved0[4] & kNoBackgroundBit) != 0)
        return "none";
    return svgColour(canvas.layout.colours(), background.colour, background.shade).value_or("none");
}

SvgAttributes with(SvgAttributes attributes, const SvgAttributes& more)
{
    attributes.insert(attributes.end(), more.begin(), more.end());
    return attributes;
}

/// The dashes of each line style, in multiples of the line's weight (at least a point); style 0 is solid.
struct DashPattern {
    double pieces[4];
    size_t count;
};
constexpr DashPattern kDashes[xt::kMostLineStyle + 1] = {
    {{}, 0},                 // solid
    {{1, 2}, 2},             // dotted
    {{4, 2}, 2},             // dashed
    {{4, 2, 1, 2}, 4},       // dash and dot
    {{8, 3}, 2},             // long dashes
};

/// The stroke's dashes for the item's line style; nothing for a solid line or a style the host does not draw.
SvgAttributes dashesOf(const Item& item, double weight)
{
    if (item.lineStyle() == 0 || item.lineStyle() > xt::kMostLineStyle)
        return {};
    const DashPattern& pattern = kDashes[item.lineStyle()];
    const double unit = std::max(weight, 1.0);
    std::string dashes;
    for (size_t i = 0; i < pattern.count; ++i)
        dashes += (i ? " " : "") + number(pattern.pieces[i] * unit);
    return {{"stroke-dasharray", dashes}};
}

/// The background and the stroke of the item's frame; a frame of no weight or no colour still shows
/// where the item is, as a hairline.
SvgAttributes paintOf(const PageCanvas& canvas, const Item& item)
{
    const double weight = points(item.weight());
    const auto stroke = svgColour(canvas.layout.colours(), item.frame().colour, item.frame().shade);
    if (weight > 0 && stroke)
        return with({{"fill", fillOf(canvas, item)}, {"stroke", *stroke}, {"stroke-width", number(weight)}}, dashesOf(item, weight));
    return {{"fill", fillOf(canvas, item)}, {"stroke", kHairlineColour}, {"stroke-width", number(kHairline)}};
}

const char* kindName(const Item& item)
{
    switch (item.kind()) {
    case xt::BoxKind::Text:
        return "text-box";
    case xt::BoxKind::Picture:
        return "picture-box";
    default:
        return item.isLine() ? "line" : "box";
    }
}

SvgAttributes identity(const Item& item)
{
    return {{"class", kindName(item)}, {"data-item", std::to_string(item.ref())}};
}

/// A filled arrowhead whose tip lies at `tip`, pointing away from `from`, sized by the line's weight.
void drawArrowhead(const PageCanvas& canvas, xt::FixedPoint from, xt::FixedPoint tip, double weight, const std::string& colour)
{
    const double tx = canvas.x(tip.h), ty = canvas.y(tip.v);
    const double dx = tx - canvas.x(from.h), dy = ty - canvas.y(from.v);
    const double length = std::hypot(dx, dy);
    if (length <= 0)
        return;
    const double ux = dx / length, uy = dy / length;
    const double reach = std::max(4 * weight, 6.0);
    const double half = std::max(1.5 * weight, 2.5);
    const double bx = tx - ux * reach, by = ty - uy * reach;
    const std::string corners = number(tx) + "," + number(ty) + " " + number(bx - uy * half) + "," + number(by + ux * half) + " "
        + number(bx + uy * half) + "," + number(by - ux * half);
    canvas.svg.element("polygon", {{"class", "arrowhead"}, {"points", corners}, {"fill", colour}});
}

void drawLine(const PageCanvas& canvas, const Item& item)
{
    // The end points already carry the line's angle.
    const model::LineEnds ends = model::lineEnds(item.rect(), item.angle());
    SvgAttributes attributes = identity(item);
    attributes.insert(attributes.end(), {{"x1", number(canvas.x(ends.first.h))}, {"y1", number(canvas.y(ends.first.v))},
                                            {"x2", number(canvas.x(ends.second.h))}, {"y2", number(canvas.y(ends.second.v))}});
    const auto stroke = svgColour(canvas.layout.colours(), item.frame().colour, item.frame().shade);
    const double weight = stroke ? std::max(points(item.weight()), kHairline) : kHairline;
    canvas.svg.element("line", with(with(attributes, {{"stroke", stroke.value_or(kHairlineColour)}, {"stroke-width", number(weight)}}),
                                   dashesOf(item, weight)));
    if (item.arrowheads() & xt::kArrowAtFirst)
        drawArrowhead(canvas, ends.second, ends.first, weight, stroke.value_or(kHairlineColour));
    if (item.arrowheads() & xt::kArrowAtSecond)
        drawArrowhead(canvas, ends.first, ends.second, weight, stroke.value_or(kHairlineColour));
}

std::string pointList(const PageCanvas& canvas, const std::vector<xt::FixedPoint>& outline)
{
    std::string list;
    for (const xt::FixedPoint& point : outline) {
        if (!list.empty())
            list += ' ';
        list += number(canvas.x(point.h)) + "," + number(canvas.y(point.v));
    }
    return list;
}

void drawShaped(const PageCanvas& canvas, const Item& item)
{
    // An open outline (a polyline or an open Bezier line) is drawn through its points as they stand.
    const bool closed = item.shape() == xt::shape::kPolygon || item.shape() == xt::shape::kBezier;
    const SvgAttributes outline{{"points", pointList(canvas, item.shapeData()->points())}};
    SvgAttributes paint = paintOf(canvas, item);
    if (!closed)
        paint.front().second = "none"; // an open outline encloses nothing to fill
    canvas.svg.element(closed ? "polygon" : "polyline", with(with(identity(item), outline), paint));
}

void drawFramed(const PageCanvas& canvas, const Item& item)
{
    const xt::FixedRect& r = item.rect();
    const double left = canvas.x(r.left), top = canvas.y(r.top);
    const double width = points(r.right - r.left), height = points(r.bottom - r.top);
    if (item.shape() == xt::shape::kOval) {
        const SvgAttributes ellipse{{"cx", number(left + width / 2)}, {"cy", number(top + height / 2)},
            {"rx", number(width / 2)}, {"ry", number(height / 2)}};
        canvas.svg.element("ellipse", with(with(identity(item), ellipse), paintOf(canvas, item)));
        return;
    }
    SvgAttributes rect{{"x", number(left)}, {"y", number(top)}, {"width", number(width)}, {"height", number(height)}};
    if (item.shape() == xt::shape::kRoundedCorner && item.corner() > 0)
        rect.insert(rect.end(), {{"rx", number(points(item.corner()))}, {"ry", number(points(item.corner()))}});
    canvas.svg.element("rect", with(with(identity(item), rect), paintOf(canvas, item)));
}

void drawPictureCross(const PageCanvas& canvas, const xt::FixedRect& r)
{
    const SvgAttributes stroke{{"stroke", kPictureCrossColour}, {"stroke-width", number(kHairline)}};
    const std::string left = number(canvas.x(r.left)), right = number(canvas.x(r.right));
    const std::string top = number(canvas.y(r.top)), bottom = number(canvas.y(r.bottom));
    canvas.svg.element("line", with({{"class", "picture-cross"}, {"x1", left}, {"y1", top}, {"x2", right}, {"y2", bottom}}, stroke));
    canvas.svg.element("line", with({{"class", "picture-cross"}, {"x1", left}, {"y1", bottom}, {"x2", right}, {"y2", top}}, stroke));
}

/// The picture of an image file, from the box's top left corner at its own size, shown only inside the box
/// (a nested picture cuts off what lies beyond its edges).
void drawPictureFile(const PageCanvas& canvas, const model::PictureFile& picture, const xt::FixedRect& r)
{
    const SvgAttributes box{{"class", "picture"}, {"x", number(canvas.x(r.left))}, {"y", number(canvas.y(r.top))},
        {"width", number(points(r.right - r.left))}, {"height", number(points(r.bottom - r.top))}};
    canvas.svg.openElement("svg", box);
    canvas.svg.element("image", {{"href", picture.path}, {"width", number(points(picture.size.width))},
                                    {"height", number(points(picture.size.height))}});
    canvas.svg.closeElement();
}

/// A piece of a composed line in one colour.
struct ColouredText {
    std::string fill;
    std::string text;
};

/// The characters of a composed line as they read (paragraph ends dropped, tabs and other controls as
/// spaces), cut where the colour changes.
std::vector<ColouredText> lineText(const model::ColourTable& colours, const model::Story& story, const model::ComposedLine& line)
{
    const std::u16string& text = story.text();
    const auto size = static_cast<int32_t>(text.size());
    const int32_t start = std::clamp<int32_t>(line.start, 0, size);
    int32_t end = std::clamp<int32_t>(line.end, start, size);
    while (end > start && xt::isParagraphEnd(text[static_cast<size_t>(end - 1)]))
        --end;
    std::vector<ColouredText> pieces;
    std::u16string piece;
    std::string fill;
    for (int32_t offset = start; offset < end; ++offset) {
        const model::CharacterAttributes& attributes = story.characterRuns().valueAt(offset);
        const std::string colour = svgColour(colours, attributes.colour, attributes.shade).value_or("none");
        if (colour != fill && !piece.empty()) {
            pieces.push_back({fill, utf8FromUtf16(piece)});
            piece.clear();
        }
        fill = colour;
        const char16_t c = text[static_cast<size_t>(offset)];
        piece += c < 0x20 ? u' ' : c;
    }
    pieces.push_back({fill.empty() ? "none" : fill, utf8FromUtf16(piece)});
    return pieces;
}

void drawTextLines(const PageCanvas& canvas, const Item& item)
{
    // Every box of a chain draws from one composition of it.
    const auto chain = model::ChainLayout::of(canvas.layout.stories(), item.ref(),
        [&](int32_t box) { return model::textFrameOf(canvas.layout, box); }, &model::sharedCompositions());
    if (!chain)
        return;
    const auto& boxes = chain->boxes();
    const auto at = std::find(boxes.begin(), boxes.end(), item.ref());
    if (at == boxes.end())
        return;
    const size_t boxIndex = static_cast<size_t>(at - boxes.begin());
    const model::Story& story = chain->story();
    for (const model::ComposedLine& line : chain->composition().lines) {
        // An empty story's one line has nothing to draw.
        if (line.boxIndex != boxIndex || line.overset || line.start == line.end)
            continue;
        const xt::Fixed size = story.characterRuns().valueAt(line.start).size;
        SvgAttributes place{{"x", number(canvas.x(item.rect().left + line.left))},
            {"y", number(canvas.y(item.rect().top + line.baseline))}, {"font-size", number(points(size))},
            {"font-family", "serif"}};
        const std::vector<ColouredText> pieces = lineText(canvas.layout.colours(), story, line);
        if (pieces.size() == 1) {
            place.emplace_back("fill", pieces.front().fill);
            canvas.svg.textElement("text", place, pieces.front().text);
            continue;
        }
        std::vector<std::pair<SvgAttributes, std::string>> spans;
        for (const ColouredText& piece : pieces)
            spans.push_back({{{"fill", piece.fill}}, piece.text});
        canvas.svg.spansElement("text", place, spans);
    }
}

/// The turn of an item about the centre of its rectangle; the item's angle runs counter-clockwise on the
/// page, SVG's rotate() clockwise.
std::optional<std::string> rotationOf(const PageCanvas& canvas, const Item& item, const xt::FixedRect& r)
{
    if (item.angle() == 0)
        return std::nullopt;
    const double cx = (canvas.x(r.left) + canvas.x(r.right)) / 2;
    const double cy = (canvas.y(r.top) + canvas.y(r.bottom)) / 2;
    return "rotate(" + number(-points(item.angle())) + " " + number(cx) + " " + number(cy) + ")";
}

void drawBox(const PageCanvas& canvas, const Item& item)
{
    const xt::FixedRect bounds = item.hasShapeData() ? item.shapeData()->rect() : item.rect();
    const auto rotation = rotationOf(canvas, item, bounds);
    if (rotation)
        canvas.svg.openElement("g", {{"transform", *rotation}});
    if (item.hasShapeData())
        drawShaped(canvas, item);
    else
        drawFramed(canvas, item);
    if (item.kind() == xt::BoxKind::Picture && item.pictureFile())
        drawPictureFile(canvas, *item.pictureFile(), bounds);
    else if (item.kind() == xt::BoxKind::Picture)
        drawPictureCross(canvas, bounds);
    if (item.kind() == xt::BoxKind::Text)
        drawTextLines(canvas, item);
    if (rotation)
        canvas.svg.closeElement();
}

void drawNested(const PageCanvas& canvas, const Item& item, int depth)
{
    if (!item.isGroupKind()) {
        if (item.isLine())
            drawLine(canvas, item);
        else
            drawBox(canvas, item);
        return;
    }
    if (depth >= kMaxNesting)
        return;
    const bool table = item.groupRole() == model::GroupRole::Table;
    canvas.svg.openElement("g", {{"class", table ? "table" : "group"}, {"data-item", std::to_string(item.ref())}});
    for (int32_t member : item.members()) {
        if (const Item* inner = canvas.layout.items().find(member))
            drawNested(canvas, *inner, depth + 1);
    }
    canvas.svg.closeElement();
}

} // namespace

double PageCanvas::x(xt::Fixed h) const
{
    return points(h) - points(pageLeft);
}

double PageCanvas::y(xt::Fixed v) const
{
    return points(v) - points(pageTop);
}

void drawItem(const PageCanvas& canvas, const Item& item)
{
    drawNested(canvas, item, 0);
}

} // namespace host::app
