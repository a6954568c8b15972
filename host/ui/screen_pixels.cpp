// The screen's pixels: the layout window's current spread, sampled at a pixel's centre.
#include "host/ui/screen_pixels.h"

#include <cmath>
#include <optional>

#include "host/host_context.h"
#include "host/model/colours/colour_table.h"
#include "host/model/spread_layout.h"
#include "host/ui/layout_screen.h"

namespace host::ui {
namespace {

/// The desktop around the layout window, the pasteboard around the pages and the paper.
constexpr COLORREF kDesktop = 0x808080;
constexpr COLORREF kPasteboard = 0xE6E6E6;
constexpr COLORREF kPaper = 0xFFFFFF;
/// Bit 0 of the item record's byte 4: the item shows no background whatever its colour.
constexpr uint8_t kNoBackgroundBit = 0x01;
/// Groups inside groups deeper than this are damaged data (a loop), not a drawing.
constexpr int kMaxNesting = 64;

struct SpreadPoint {
    double x;
    double y;
};

double points(xt::Fixed value)
{
    return static_cast<double>(value) / xt::kFixedOne;
}

COLORREF colourRef(const model::Layout& layout, const model::ColourUse& use)
{
    const model::Colour* found = layout.colours().find(use.colour);
    const model::Rgb shown = found ? found->value().shownAt(use.shade) : model::Rgb{0, 0, 0};
    const auto byte = [](uint16_t value) { return static_cast<COLORREF>((value + 128) / 257); };
    return byte(shown[0]) | byte(shown[1]) << 8 | byte(shown[2]) << 16;
}

bool inside(const xt::FixedRect& rect, SpreadPoint at, double outset)
{
    return at.x >= points(rect.left) - outset && at.x < points(rect.right) + outset && at.y >= points(rect.top) - outset
        && at.y < points(rect.bottom) + outset;
}

/// The colour the item shows at the point, or nullopt where it lets what lies behind show through.
std::optional<COLORREF> itemColourAt(const model::Layout& layout, const model::Item& item, SpreadPoint at, int depth)
{
    if (item.isGroupKind()) {
        if (depth >= kMaxNesting)
            return std::nullopt;
        const auto& members = item.members();
        for (auto ref = members.rbegin(); ref != members.rend(); ++ref) {
            const model::Item* member = layout.items().find(*ref);
            if (auto colour = member ? itemColourAt(layout, *member, at, depth + 1) : std::nullopt)
                return colour;
        }
        return std::nullopt;
    }
    if (item.isLine())
        return std::nullopt;
    const double half = points(item.weight()) / 2;
    const xt::FixedRect& rect = item.rect();
    const bool onFrame = half > 0 && item.frame().colour != xt::kNoColour && inside(rect, at, half)
        && !inside({rect.top + item.weight() / 2, rect.left + item.weight() / 2, rect.bottom - item.weight() / 2,
                       rect.right - item.weight() / 2},
            at, 0);
    if (onFrame)
        return colourRef(layout, item.frame());
    const model::ColourUse& background = item.background();
    const bool filled = background.colour != xt::kNoColour && background.shade > 0
        && (item.record().reserved0[4] & kNoBackgroundBit) == 0;
    if (filled && inside(rect, at, 0))
        return colourRef(layout, background);
    return std::nullopt;
}

/// The pages the window shows around the current one: its spread's document pages, or the master alone.
std::vector<model::PageSlot> shownPages(const model::Layout& layout)
{
    const model::PageSlot current = model::currentSlot(layout);
    if (current.list != model::PageList::Document)
        return {current};
    std::vector<model::PageSlot> pages;
    for (size_t index : model::pagesOfSpread(layout, static_cast<size_t>(model::placeOf(layout, current).spread)))
        pages.push_back({model::PageList::Document, index});
    return pages;
}

COLORREF layoutPixel(const model::Layout& layout, SpreadPoint at)
{
    for (const model::PageSlot& slot : shownPages(layout)) {
        const xt::PlaceRecord place = model::placeOf(layout, slot);
        const model::PageSize size = model::sizeOf(layout, slot);
        const xt::FixedRect paper{place.pageTop, place.pageLeft, place.pageTop + size.height, place.pageLeft + size.width};
        if (!inside(paper, at, 0))
            continue;
        const std::vector<int32_t> items = layout.items().topLevelOnPage(model::refOf(layout, slot));
        for (auto ref = items.rbegin(); ref != items.rend(); ++ref) {
            const model::Item* item = layout.items().find(*ref);
            if (auto colour = item ? itemColourAt(layout, *item, at, 0) : std::nullopt)
                return *colour;
        }
        return kPaper;
    }
    return kPasteboard;
}

} // namespace

COLORREF screenPixel(int x, int y)
{
    const model::Layout* layout = context().documents().current();
    if (!layout || x < kSpreadScreenLeft || y < kSpreadScreenTop)
        return layout ? kPasteboard : kDesktop;
    return layoutPixel(*layout, {x - kSpreadScreenLeft + 0.5, y - kSpreadScreenTop + 0.5});
}

} // namespace host::ui
