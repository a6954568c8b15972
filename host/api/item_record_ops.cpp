// The host item record: GetBoxRecord hands out an independent copy, ReleaseBoxRecord frees it
// without storing, BoxRecordOp3010 applies one to its item.
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/api/pages/spread_records.h"

namespace host::api {
namespace {

/// A framed item's rectangle must not be turned inside out; a line's may run either way.
bool acceptable(const model::Item& item, const xt::BoxRecord& record)
{
    if (item.isGroupKind() || item.hasShapeData() || item.isLine())
        return true;
    const xt::FixedRect rect = record.geometry.rect;
    return rect.bottom >= rect.top && rect.right >= rect.left;
}

/// Reads the record in hand again from its item, in place.
void* refreshRecord(void* record)
{
    model::Layout* layout = layoutOfRecord(record);
    if (!layout)
        return nullptr;
    model::ItemStore& items = layout->items();
    const model::Item* item = items.find(*items.records().sourceOf(record));
    if (!item)
        return nullptr;
    items.writeRecordOf(*item, *static_cast<xt::BoxRecord*>(record));
    return record;
}

/// (0, 0, 0) the current item; (0, item, 0) that item; (record, 0, 0) the record in hand, read again.
void* GetBoxRecord(void* record, int32_t item, int32_t)
{
    if (record)
        return refreshRecord(record);
    if (void* spread = spreadRecordOf(item))
        return spread;
    model::ItemStore* items = currentItems();
    if (!items)
        return nullptr;
    const model::Item* found = items->find(item != 0 ? item : items->current());
    if (!found)
        return nullptr;
    xt::BoxRecord* given = items->records().add(found->ref());
    items->writeRecordOf(*found, *given);
    return given;
}

void ReleaseBoxRecord(void* record, int32_t)
{
    if (releaseSpreadRecord(record))
        return;
    if (model::Layout* layout = layoutOfRecord(record))
        layout->items().records().release(record);
}

/// Applies a record that GetBoxRecord gave out to `item`, or to the item it was read from.
int16_t BoxRecordOp3010(void* record, int32_t item, int32_t, int32_t)
{
    if (const auto applied = applySpreadRecord(record))
        return *applied;
    model::Layout* layout = layoutOfRecord(record);
    if (!layout)
        return -1;
    model::ItemStore& items = layout->items();
    model::Item* target = items.find(item != 0 ? item : *items.records().sourceOf(record));
    if (!target)
        return -1;
    const auto& fields = *static_cast<const xt::BoxRecord*>(record);
    if (!acceptable(*target, fields))
        return -1;
    target->apply(fields);
    return 0;
}

} // namespace

void registerItemRecordOps(OperationRegistry& registry)
{
    registry.add<xt::op::GetBoxRecord, &GetBoxRecord>();
    registry.add<xt::op::ReleaseBoxRecord, &ReleaseBoxRecord>();
    registry.add<xt::op::BoxRecordOp3010, &BoxRecordOp3010>();
}

} // namespace host::api
