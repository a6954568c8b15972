// RestoreItemFromUndo: the saved record's fields back into the item, its outline, its story.
#include "amplex/commands/restore_item.h"

#include <cstring>

#include "amplex/commands/restore_fields.h"
#include "amplex/commands/restore_text_box.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

constexpr uint16_t kMirrorBits = xt::kPictureMirroredAcross | xt::kPictureMirroredDown;

void copySpans(const RestoreSet& set, const xt::BoxRecord& saved, xt::BoxRecord& live)
{
    auto* to = reinterpret_cast<uint8_t*>(&live);
    const auto* from = reinterpret_cast<const uint8_t*>(&saved);
    for (const FieldSpan& span : set.spans)
        std::memcpy(to + span.offset, from + span.offset, span.size);
    if (set.mirrorBits)
        live.flags = static_cast<uint16_t>((live.flags & ~kMirrorBits) | (saved.flags & kMirrorBits));
}

/// Maps the live outline onto the saved rectangle, which lies 4 bytes into the saved shape block.
void restoreOutline(const UndoEntry& entry, xt::BoxRecord& live)
{
    const xt::Handle data = xt::readAt<xt::Handle>(&live, xt::kRecordTopLeft);
    if (!data || !*data || xt::calls::GetHandleSize(data) < static_cast<int32_t>(kShapeDataKept))
        return;
    xt::RecordRect current{};
    std::memcpy(&current, *data + offsetof(xt::ShapeDataHeader, rect), sizeof current);
    xt::calls::XsiOp1289(data, &current, entry.shapeData + offsetof(xt::ShapeDataHeader, rect));
}

void moveBack(const UndoEntry& entry)
{
    if (entry.fitOffset.v == 0 && entry.fitOffset.h == 0)
        return;
    foundation::reportHostResult(xt::calls::BoxOp1804(entry.item, -entry.fitOffset.h, -entry.fitOffset.v, 0));
}

} // namespace

std::vector<int32_t>& markedForUndo()
{
    static std::vector<int32_t> boxes;
    return boxes;
}

void RestoreItemFromUndo(const UndoEntry& entry)
{
    const RestoreSet set = restoreSetFor(entry.kind, entry.shape);
    {
        foundation::BoxRecordLease live = foundation::BoxRecordLease::of(entry.item);
        if (!live)
            return;
        copySpans(set, entry.boxRecord, *live.get());
        if (set.shapeData)
            restoreOutline(entry, *live.get());
        live.storeTo(entry.item, 0);
    }
    if (set.text)
        RestoreTextBox(entry);
    moveBack(entry);
}

} // namespace amplex
