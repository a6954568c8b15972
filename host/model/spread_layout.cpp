// Spreads, page places and page numbers of a layout.
#include "host/model/spread_layout.h"

#include "xtapi/page_records.h"

namespace host::model {
namespace {

struct SpreadPlace {
    size_t spread;
    size_t place;
};

SpreadPlace documentPlace(const Layout& layout, size_t index)
{
    if (!layout.setup().facing())
        return {index, 0};
    // The first page is a right page on its own; after it, pages pair up left and right.
    return {(index + 1) / 2, index == 0 ? 0 : (index + 1) % 2};
}

SpreadPlace masterPlace(const Layout& layout, size_t index)
{
    const size_t perSpread = layout.masters().pagesPerSpread();
    return {index / perSpread, index % perSpread};
}

} // namespace

void setFacingPages(Layout& layout, bool facing)
{
    layout.setup().setFacing(facing);
    layout.masters().setFacing(facing);
}

size_t spreadCount(const Layout& layout)
{
    if (layout.pageCount() == 0)
        return 0;
    return documentPlace(layout, layout.pageCount() - 1).spread + 1;
}

std::vector<size_t> pagesOfSpread(const Layout& layout, size_t spread)
{
    // A spread holds at most two pages, and they follow one another: the first is the spread itself
    // (single pages) or one before it (facing pages after the first spread).
    std::vector<size_t> pages;
    const size_t from = layout.setup().facing() && spread > 0 ? 2 * spread - 1 : spread;
    for (size_t i = from; i < layout.pageCount() && i <= from + 1; ++i) {
        if (documentPlace(layout, i).spread == spread)
            pages.push_back(i);
    }
    return pages;
}

xt::PlaceRecord placeOf(const Layout& layout, PageSlot slot)
{
    const bool master = slot.list == PageList::Masters;
    const SpreadPlace place = master ? masterPlace(layout, slot.index) : documentPlace(layout, slot.index);
    xt::PlaceRecord record{};
    record.spread = static_cast<int16_t>(place.spread);
    record.placeInSpread = static_cast<int16_t>(place.place);
    record.pageKey = record.placeInSpread;
    record.pageNumber = static_cast<int16_t>(numberOf(slot));
    record.pageTop = 0;
    // A right page starts where its left page ends.
    record.pageLeft = place.place == 0 ? 0 : sizeOf(layout, {slot.list, slot.index - 1}).width;
    return record;
}

int32_t refOf(const Layout& layout, PageSlot slot)
{
    if (slot.list == PageList::Masters)
        return slot.index < layout.masters().pageCount() ? layout.masters().page(slot.index).ref() : 0;
    return slot.index < layout.pageCount() ? layout.page(slot.index).ref() : 0;
}

PageSize sizeOf(const Layout& layout, PageSlot slot)
{
    if (layout.pageCount() == 0)
        return {};
    if (slot.list == PageList::Masters || slot.index >= layout.pageCount())
        return layout.page(0).size();
    return layout.page(slot.index).size();
}

std::optional<PageSlot> slotOfRef(const Layout& layout, int32_t ref)
{
    if (const auto index = layout.indexOfPage(ref))
        return PageSlot{PageList::Document, *index};
    const int64_t master = layout.masters().indexOf(ref);
    if (master >= 0)
        return PageSlot{PageList::Masters, static_cast<size_t>(master)};
    return std::nullopt;
}

std::optional<PageSlot> slotOfNumber(const Layout& layout, int32_t number)
{
    if (layout.view().showsMasters()) {
        const int64_t index = int64_t{number} - xt::kFirstMasterIndex;
        if (index < 0 || index >= static_cast<int64_t>(layout.masters().pageCount()))
            return std::nullopt;
        return PageSlot{PageList::Masters, static_cast<size_t>(index)};
    }
    if (number < 1 || static_cast<size_t>(number) > layout.pageCount())
        return std::nullopt;
    return PageSlot{PageList::Document, static_cast<size_t>(number - 1)};
}

int32_t numberOf(PageSlot slot)
{
    const auto index = static_cast<int32_t>(slot.index);
    return slot.list == PageList::Masters ? xt::kFirstMasterIndex + index : index + 1;
}

std::optional<PageSlot> slotOfIndex(const Layout& layout, int32_t index)
{
    const int32_t offset = pageIndexOffset(layout);
    if (index > offset && index - offset <= static_cast<int32_t>(layout.pageCount()))
        return PageSlot{PageList::Document, static_cast<size_t>(index - offset - 1)};
    const int32_t master = index - xt::kFirstMasterIndex;
    if (master >= 0 && master < static_cast<int32_t>(layout.masters().pageCount()))
        return PageSlot{PageList::Masters, static_cast<size_t>(master)};
    return std::nullopt;
}

int32_t pageIndexOffset(const Layout& layout)
{
    return xt::kFirstMasterIndex - 1 + static_cast<int32_t>(layout.masters().pageCount());
}

PageSlot currentSlot(const Layout& layout)
{
    return slotOfRef(layout, layout.items().currentPage()).value_or(PageSlot{});
}

void makeCurrent(Layout& layout, PageSlot slot)
{
    layout.items().setCurrentPage(refOf(layout, slot));
}

bool showMasterSpread(Layout& layout, int32_t spread)
{
    if (spread < 0 || static_cast<size_t>(spread) > layout.masters().spreadCount())
        return false;
    const bool wasShowingMasters = layout.view().showsMasters();
    layout.view().showMasterSpread(spread);
    if (spread == 0) {
        if (wasShowingMasters)
            layout.items().setCurrentPage(layout.view().pageBeforeMasters());
        return true;
    }
    if (!wasShowingMasters)
        layout.view().setPageBeforeMasters(layout.items().currentPage());
    const size_t first = static_cast<size_t>(spread - 1) * layout.masters().pagesPerSpread();
    makeCurrent(layout, {PageList::Masters, first});
    return true;
}

std::optional<GuideListKey> guideListOf(const Layout& layout, int32_t page, int32_t set)
{
    const std::optional<PageSlot> slot = slotOfNumber(layout, page);
    return slot ? guideListOfSlot(layout, *slot, set) : std::nullopt;
}

std::optional<GuideListKey> guideListOfSlot(const Layout& layout, PageSlot slot, int32_t set)
{
    if (set != xt::kGuidePageSet && set != xt::kGuideSpreadSet)
        return std::nullopt;
    if (set == xt::kGuidePageSet)
        return GuideListKey{xt::kGuidePageSet, refOf(layout, slot)};
    const auto place = placeOf(layout, slot);
    const PageSlot first{slot.list, slot.index - static_cast<size_t>(place.placeInSpread)};
    return GuideListKey{xt::kGuideSpreadSet, refOf(layout, first)};
}

} // namespace host::model
