// RecordItemForUndo: one entry per item, taken before the item changes.
#include "amplex/undo/record_item.h"

#include <cstring>

#include "amplex/undo/text_runs_record.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

void copyShapeDataHead(const xt::BoxRecord& record, UndoEntry& entry)
{
    const xt::Handle data = xt::readAt<xt::Handle>(&record, xt::kRecordTopLeft);
    if (!data || !*data || xt::calls::GetHandleSize(data) < static_cast<int32_t>(kShapeDataKept))
        return;
    xt::calls::LockHandle(data);
    std::memcpy(entry.shapeData, *data, kShapeDataKept);
    xt::calls::UnlockHandle(data);
}

UndoEntry entryFor(int32_t item, const xt::BoxRecord& record, Anchored anchored, Replay replay)
{
    UndoEntry entry{};
    entry.kind = record.kind;
    entry.shape = record.shape;
    entry.item = item;
    entry.AnchoredItem = static_cast<uint8_t>(anchored);
    entry.ReplayItem = static_cast<uint8_t>(replay);
    std::memcpy(&entry.boxRecord, &record, sizeof entry.boxRecord);
    entry.fitOffset = undoList().fitOffset();
    if (xt::shape::hasShapeData(record.shape))
        copyShapeDataHead(record, entry);
    return entry;
}

} // namespace

void RecordItemForUndo(int32_t item, Anchored anchored, Replay replay)
{
    foundation::BoxRecordLease record = foundation::BoxRecordLease::of(item);
    if (record)
        recordItemFromRecord(item, *record.get(), anchored, replay);
}

void recordItemFromRecord(int32_t item, const xt::BoxRecord& record, Anchored anchored, Replay replay)
{
    if (record.kind == static_cast<uint8_t>(xt::BoxKind::Group))
        return;
    UndoEntry entry = entryFor(item, record, anchored, replay);
    if (record.kind == static_cast<uint8_t>(xt::BoxKind::Text))
        recordTextRuns(item, entry);

    // An item without an entry stays as the scale leaves it when the user undoes it.
    xt::Handle handle = xt::calls::NewHandle(static_cast<int32_t>(sizeof entry));
    if (!handle) {
        freeRunNodes(entry);
        return;
    }
    std::memcpy(*handle, &entry, sizeof entry);
    undoList().append(handle);
    recordOutsideForUndo(item, TableItem::No);
}

void recordOutsideForUndo(int32_t item, TableItem table)
{
    if (auto state = readOutsideState(item, table))
        undoList().noteOutside(std::move(*state));
}

} // namespace amplex
