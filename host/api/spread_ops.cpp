// Master pages, master view and the conversions between page and spread coordinates.
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/model/coordinates.h"
#include "host/model/spread_layout.h"
#include "xtapi/page_records.h"

namespace host::api {
namespace {

std::optional<model::PageSlot> masterSlot(const model::Layout& layout, int32_t number)
{
    const int64_t index = int64_t{number} - xt::kFirstMasterIndex;
    if (index < 0 || index >= static_cast<int64_t>(layout.masters().pageCount()))
        return std::nullopt;
    return model::PageSlot{model::PageList::Masters, static_cast<size_t>(index)};
}

int32_t PageOp4222(xt::DocumentRef document, int32_t master, void* record)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !record)
        return -1;
    const std::optional<model::PageSlot> slot = masterSlot(*layout, master);
    if (!slot)
        return -1;
    xt::writeAt(record, model::placeOf(*layout, *slot));
    return 0;
}

int32_t XmbOp3597(xt::WindowRef window, int32_t spread)
{
    model::Layout* layout = layoutShowing(window);
    if (!layout)
        return -1;
    return model::showMasterSpread(*layout, spread) ? 0 : -1;
}

/// The master page a place record names by its page number.
model::MasterPage* masterOfRecord(model::Layout& layout, const void* record)
{
    if (!record)
        return nullptr;
    const auto place = xt::readAt<xt::PlaceRecord>(record);
    const std::optional<model::PageSlot> slot = masterSlot(layout, place.pageNumber);
    return slot ? &layout.masters().page(slot->index) : nullptr;
}

int32_t DocumentOp5216(xt::DocumentRef document, const void* record, xt::Fixed* vertical, xt::Fixed* horizontal)
{
    model::Layout* layout = layoutOfDocument(document);
    model::MasterPage* master = layout ? masterOfRecord(*layout, record) : nullptr;
    if (!master || !vertical || !horizontal)
        return -1;
    const model::PageMargins& margins = master->margins();
    vertical[0] = margins.top;
    vertical[1] = margins.bottom;
    horizontal[0] = margins.left;
    horizontal[1] = margins.right;
    return 0;
}

int32_t DocumentOp5270(xt::DocumentRef document, int32_t number, xt::Fixed top, xt::Fixed bottom, xt::Fixed left,
    xt::Fixed right)
{
    model::Layout* layout = layoutOfDocument(document);
    const std::optional<model::PageSlot> slot = layout ? masterSlot(*layout, number) : std::nullopt;
    if (!slot)
        return -1;
    model::MasterPage& master = layout->masters().page(slot->index);
    const model::PageMargins margins{top, bottom, left, right};
    if (!model::fitsPage(margins, master.columns(), model::sizeOf(*layout, *slot)))
        return -1;
    master.setMargins(margins);
    return 0;
}

int32_t XsqOp1310(xt::DocumentRef document, const void* record, xt::Fixed* vertical, xt::Fixed* horizontal)
{
    if (!layoutOfDocument(document) || !record)
        return -1;
    const auto place = xt::readAt<xt::PlaceRecord>(record);
    const xt::FixedPoint point = model::pageToSpread(place, xt::FixedPoint{vertical ? *vertical : 0, horizontal ? *horizontal : 0});
    if (vertical)
        *vertical = point.v;
    if (horizontal)
        *horizontal = point.h;
    return 0;
}

int32_t XsqOp1311(xt::DocumentRef document, const void* record, void* rect)
{
    if (!layoutOfDocument(document) || !record || !rect)
        return -1;
    const auto place = xt::readAt<xt::PlaceRecord>(record);
    xt::writeAt(rect, model::pageToSpread(place, xt::readAt<xt::FixedRect>(rect)));
    return 0;
}

int32_t XsqOp1312(xt::DocumentRef document, void* rect)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !rect || layout->pageCount() == 0)
        return -1;
    const auto spreadRect = xt::readAt<xt::FixedRect>(rect);
    xt::writeAt(rect, model::spreadToPage(model::pageUnder(*layout, spreadRect), spreadRect));
    return 0;
}

} // namespace

void registerSpreadOps(OperationRegistry& registry)
{
    registry.add<xt::op::PageOp4222, &PageOp4222>();
    registry.add<xt::op::XmbOp3597, &XmbOp3597>();
    registry.add<xt::op::DocumentOp5216, &DocumentOp5216>();
    registry.add<xt::op::DocumentOp5270, &DocumentOp5270>();
    registry.add<xt::op::XsqOp1310, &XsqOp1310>();
    registry.add<xt::op::XsqOp1311, &XsqOp1311>();
    registry.add<xt::op::XsqOp1312, &XsqOp1312>();
}

} // namespace host::api
