// Fit Box to Picture: the box's bottom and right edges moved to the picture's scaled size.
#include "amplex/engine/fitting/fit_picture.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "amplex/resources/amplex_id.h"
#include "amplex/undo/record_item.h"
#include "foundation/binding/binding.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

constexpr int32_t kUndoStepKind = 8;

xt::Fixed saturated(int64_t value)
{
    return static_cast<xt::Fixed>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

/// The top-left corner and the new size as the bounds the box takes.
xt::FixedRect sizedFrom(const xt::FixedRect& bounds, xt::Fixed width, xt::Fixed height)
{
    return {bounds.top, bounds.left, saturated(int64_t{bounds.top} + height), saturated(int64_t{bounds.left} + width)};
}

/// Applies the new size by shape; other shapes keep their geometry.
void resize(foundation::BoxRecordLease& record, xt::Fixed width, xt::Fixed height)
{
    if (xt::shape::isFramed(record->shape)) {
        record->geometry.rect = sizedFrom(record->geometry.rect, width, height);
        return;
    }
    if (!xt::shape::isBezier(record->shape))
        return;
    const std::optional<xt::FixedRect> bounds = foundation::shapeDataRect(*record.get());
    if (!bounds)
        return;
    const xt::FixedRect wanted = sizedFrom(*bounds, width, height);
    xt::calls::XsiOp1289(record->geometry.shapeData, &*bounds, &wanted);
}

} // namespace

xt::FixedRect pictureRect(const xt::PictureFields& picture)
{
    // The picture's bounds are whole points across (0 to 2) and down (1 to 3).
    const xt::Fixed width = saturated((int64_t{picture.bounds[2]} - picture.bounds[0]) * xt::kFixedOne);
    const xt::Fixed height = saturated((int64_t{picture.bounds[3]} - picture.bounds[1]) * xt::kFixedOne);
    return {0, 0, height, width};
}

void FitBoxToPicture(int32_t box)
{
    // Only a picture box with a picture has a size to take; a text box's bytes at these offsets are
    // its columns and insets, which must not be written as picture offsets.
    if (box == 0 || xt::calls::ItemTypeOp767(box) == 0)
        return;
    foundation::BoxRecordLease record = foundation::BoxRecordLease::of(box);
    if (!record || record->kind != static_cast<uint8_t>(xt::BoxKind::Picture))
        return;
    const xt::FixedRect picture = pictureRect(record->content.picture);
    if (picture.right <= picture.left || picture.bottom <= picture.top)
        return;
    RecordItemForUndo(box, Anchored::No, Replay::No);
    xt::calls::UndoOp2951(0, kAmplexId, kUndoStepKind);
    const xt::Fixed width = xt::calls::FixedMultiply(record->content.picture.scales[0], picture.right - picture.left);
    const xt::Fixed height = xt::calls::FixedMultiply(record->content.picture.scales[1], picture.bottom - picture.top);
    if (width > 0 && height > 0)
        resize(record, width, height);
    record->content.picture.offsets[0] = 0;
    record->content.picture.offsets[1] = 0;
    record.storeTo(box, 0);
    record.release();
    xt::calls::UndoOp2952();
    xt::calls::StoryMode1375(1);
}

} // namespace amplex
