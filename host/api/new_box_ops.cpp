// NewBoxRecord and InsertBox: a plug-in makes a new item by filling a blank record and inserting it.
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/model/spread_layout.h"

namespace host::api {
namespace {

/// A blank record of the kind and shape asked for, from the current layout's pool, so that
/// ReleaseBoxRecord frees it like any other record.
int32_t NewBoxRecord(int32_t, int32_t kind, int32_t shape, void** record)
{
    if (!record)
        return -1;
    *record = nullptr;
    model::ItemStore* items = currentItems();
    if (!items || kind < 0 || kind > 5 || shape < 0 || shape > 11)
        return -1;
    xt::BoxRecord blank{};
    blank.kind = static_cast<uint8_t>(kind);
    blank.shape = static_cast<uint8_t>(shape);
    // The host's own defaults for a new item: a black frame and no background.
    blank.frameColour = xt::kBlackColour;
    blank.frameShade = xt::kFixedOne;
    blank.backgroundColour = xt::kNoColour;
    *record = items->records().add(0, blank);
    return 0;
}

/// Only framed boxes are made from a bare record: lines and shapes need geometry a record can't give.
bool insertable(const xt::BoxRecord& record)
{
    const xt::FixedRect rect = record.geometry.rect;
    return xt::shape::isFramed(record.shape) && record.kind != static_cast<uint8_t>(xt::BoxKind::Group)
        && rect.bottom > rect.top && rect.right > rect.left;
}

int32_t InsertBox(xt::DocumentRef, void* record, int32_t, int32_t, int32_t, int32_t* item)
{
    if (item)
        *item = 0;
    model::Layout* layout = layoutOfRecord(record);
    if (!layout)
        return -1;
    const auto& fields = *static_cast<const xt::BoxRecord*>(record);
    if (!insertable(fields))
        return -1;
    const int32_t pageRef = model::refOf(*layout, model::currentSlot(*layout));
    model::Item& added = layout->items().addItem(pageRef, static_cast<xt::BoxKind>(fields.kind), fields.shape,
        fields.geometry.rect);
    layout->items().select(added.ref());
    if (item)
        *item = added.ref();
    return 0;
}

} // namespace

void registerNewBoxOps(OperationRegistry& registry)
{
    registry.add<xt::op::NewBoxRecord, &NewBoxRecord>();
    registry.add<xt::op::InsertBox, &InsertBox>();
}

} // namespace host::api
