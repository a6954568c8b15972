// The picture of a Bezier picture box.
#include "amplex/engine/scalers/bezier_picture.h"

#include <cstdint>

#include "amplex/engine/common/scale_factors.h"
#include "foundation/binding/binding.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

struct Direction {
    uint16_t mirrorBit;
    int index;   // 0 across, 1 down
    int32_t span;  // the picture's extent in its own units, from its bounds
    Fixed factor;
};

/// Clears the mirror bit and takes the mirrored extent off the offset; true when the bit was set.
bool unmirror(foundation::BoxRecordLease& record, const Direction& d)
{
    if (!(record->flags & d.mirrorBit))
        return false;
    record->flags = static_cast<uint16_t>(record->flags & ~d.mirrorBit);
    const Fixed extent = xt::calls::FixedMultiply(record->content.picture.scales[d.index], d.span);
    record->content.picture.offsets[d.index] = difference(record->content.picture.offsets[d.index], extent);
    return true;
}

void remirror(foundation::BoxRecordLease& record, const Direction& d)
{
    record->flags = static_cast<uint16_t>(record->flags | d.mirrorBit);
    const Fixed extent = xt::calls::FixedMultiply(record->content.picture.scales[d.index], d.span);
    record->content.picture.offsets[d.index] = sum(record->content.picture.offsets[d.index], extent);
    record.store(0);
}

void scaleDirection(foundation::BoxRecordLease& record, const Direction& d)
{
    auto& picture = record->content.picture;
    picture.scales[d.index] = xt::calls::FixedMultiply(picture.scales[d.index], d.factor);
    picture.offsets[d.index] = xt::calls::FixedMultiply(picture.offsets[d.index], d.factor);
}

} // namespace

void scalePictureInBezierBox(foundation::BoxRecordLease& record)
{
    const Factors factors = proportional(settingsFactors(), currentSettings().KeepGraphicsProportional);
    const xt::PictureFields& picture = record->content.picture;
    const Direction directions[2] = {
        {xt::kPictureMirroredAcross, 0, int32_t{picture.bounds[2]} - picture.bounds[0], factors.h},
        {xt::kPictureMirroredDown, 1, int32_t{picture.bounds[3]} - picture.bounds[1], factors.v},
    };

    // The host holds two picture values that must be clear while the picture changes.
    const Fixed held[2] = {record->content.picture.held[0], record->content.picture.held[1]};
    record->content.picture.held[0] = 0;
    record->content.picture.held[1] = 0;
    record.store(0);
    record.reread();

    bool mirrored[2] = {};
    for (int i = 0; i < 2; ++i)
        mirrored[i] = unmirror(record, directions[i]);
    for (const Direction& d : directions)
        scaleDirection(record, d);
    record.store(0);
    for (int i = 0; i < 2; ++i) {
        if (mirrored[i])
            remirror(record, directions[i]);
    }
    for (int i = 0; i < 2; ++i) {
        if (held[i] == 0)
            continue;
        record->content.picture.held[i] = held[i];
        record.store(0);
    }
}

} // namespace amplex
