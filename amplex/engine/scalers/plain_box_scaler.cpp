// ScalePlainBox.
#include "amplex/engine/scalers/plain_box_scaler.h"

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/common/scaled_page.h"
#include "foundation/binding/binding.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

/// Shapes whose outline itself scales before the box: point lists with "Line Weights", Bezier
/// outlines with "Graphics", both only with "Drop Shadows" as the second gate.
bool shapeStepApplies(const ScaleSettings& settings, uint8_t shape)
{
    if (!settings.ScaleDropShadows)
        return false;
    if (xt::shape::isPointList(shape))
        return settings.ScaleLineWeights;
    if (xt::shape::isBezier(shape))
        return settings.ScaleGraphics;
    return false;
}

/// Scales the outline of a shaped box in its shape data; the host moves its points with it.
void scaleShapeOutline(foundation::BoxRecordLease& record, const FixedRect& outline, Factors extent)
{
    applyItemOrigin(outline);
    const FixedRect scaled = scaledRect(outline, engineState().origin(), settingsFactors(), extent);
    const xt::Handle data = xt::readAt<xt::Handle>(record.get(), xt::kRecordTopLeft);
    xt::calls::XsiOp1289(data, *data + offsetof(xt::ShapeDataHeader, rect), &scaled);
}

/// The frame and outsets scale by the width's factor, the box keeps its proportions through `extent`
/// while its corner moves by the plain factors. Returns the box's new rectangle.
FixedRect scaleBoxFields(foundation::BoxRecordLease& record, const FixedRect& rect, Factors extent, bool framed)
{
    const ScaleSettings& settings = currentSettings();
    const FixedRect scaled = scaledRect(rect, engineState().origin(), settingsFactors(), extent);
    if (settings.ScalePictureBoxes)
        record->weight = xt::calls::FixedMultiply(record->weight, extent.h);
    if (framed)
        record->geometry.rect = scaled;
    if (settings.ScaleLines) {
        for (int side = 0; side < 4; ++side)
            record->outsets[side] = xt::calls::FixedMultiply(record->outsets[side], extent.h);
    }
    return scaled;
}

bool belongsToHostService(int16_t documentId, int32_t box)
{
    return xt::calls::DocumentServiceTest(documentId) != 0 && xt::calls::BoxServiceTest(box) != 0;
}

} // namespace

void ScalePlainBox(int32_t box)
{
    int16_t documentId = -1;
    xt::calls::GetCurrentDocument(&documentId);
    xt::calls::SetCurrentBox(box);
    if (!IsOnScaledPage())
        return;
    const ScaleSettings& settings = currentSettings();
    Factors extent = proportional(settingsFactors(), settings.KeepPictureBoxesProportional);
    scaleShadowIfPresent(box);

    foundation::BoxRecordLease record = foundation::BoxRecordLease::ofCurrentItem();
    if (!record)
        return;
    ToolKeeper tool;
    const auto outline = foundation::outlineRect(*record.get());
    if (!outline)
        return;
    const bool shaped = xt::shape::hasShapeData(record->shape);
    const bool shapeStep = shaped && shapeStepApplies(settings, record->shape);
    if (shapeStep) {
        extent = proportional(extent, settings.KeepBezierProportional);
        scaleShapeOutline(record, *outline, extent);
    }
    if (!settings.ScaleGraphics)
        return;

    if (!shapeStep)
        applyItemOrigin(*outline);
    const FixedRect scaled = scaleBoxFields(record, *outline, extent, !shaped);
    if (!belongsToHostService(documentId, box)) {
        record.store();
        return;
    }
    // A box that a host service owns is moved, not stored. Its outline has moved already when the
    // shape step ran.
    if (!shapeStep)
        xt::calls::BoxServiceMove(box, difference(scaled.left, outline->left), difference(scaled.top, outline->top));
}

} // namespace amplex
