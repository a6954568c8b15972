// A line's end points and an item's own corner.
#include "amplex/engine/scalers/item_bounds.h"

#include "amplex/engine/common/scale_factors.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

constexpr int16_t kLineType = 1;
constexpr int16_t kLineDownType = 2;

bool isLineItem(int32_t item)
{
    int16_t type = 0;
    if (xt::calls::GetBoxType(item, &type) != 0)
        return false;
    return type == kLineType || type == kLineDownType;
}

/// Runs the host's forward transform of the line on one corner of the record. The host's transform
/// works on corners moved in by a point, so the point goes on before and comes off after.
/// Empty when the host could not transform it.
std::optional<FixedPoint> transformCorner(int32_t item, foundation::BoxRecordLease& record, size_t cornerOffset)
{
    FixedPoint end{};
    const int32_t context = xt::calls::XgfOp661(item, &end);
    if (xt::calls::XgfOp672(record.fieldAddress(cornerOffset), context) != 0)
        return std::nullopt;
    return FixedPoint{difference(end.v, xt::kFixedOne), difference(end.h, xt::kFixedOne)};
}

} // namespace

std::optional<LineEnds> GetItemBounds(int32_t item)
{
    if (!isLineItem(item))
        return std::nullopt;
    foundation::BoxRecordLease record = foundation::BoxRecordLease::of(item);
    if (!record)
        return std::nullopt;
    // The record is the host's own copy: moving its corners here changes nothing in the document.
    const FixedRect rect = record->geometry.rect;
    record->geometry.rect = FixedRect{sum(rect.top, xt::kFixedOne), sum(rect.left, xt::kFixedOne),
        sum(rect.bottom, xt::kFixedOne), sum(rect.right, xt::kFixedOne)};
    const auto first = transformCorner(item, record, xt::kRecordTopLeft);
    const auto second = transformCorner(item, record, xt::kRecordBottomRight);
    if (!first || !second)
        return std::nullopt;
    return LineEnds{*first, *second};
}

std::optional<FixedPoint> ownUpperLeft(int32_t item)
{
    foundation::BoxRecordLease record = foundation::BoxRecordLease::of(item);
    if (!record)
        return std::nullopt;
    return ownUpperLeft(item, *record.get());
}

std::optional<FixedPoint> ownUpperLeft(int32_t item, const xt::BoxRecord& record)
{
    if (xt::shape::isLine(record.shape)) {
        const auto ends = GetItemBounds(item);
        return ends ? std::optional<FixedPoint>(ends->first) : std::nullopt;
    }
    const auto outline = foundation::outlineRect(record);
    return outline ? std::optional<FixedPoint>(topLeftOf(*outline)) : std::nullopt;
}

} // namespace amplex
