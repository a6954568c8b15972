// ScalePictureBox: a framed picture box, its frame and outsets, and the picture inside it.
#include "amplex/engine/scalers/box_content_scalers.h"

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/common/scaled_page.h"
#include "amplex/engine/scalers/bezier_picture.h"
#include "amplex/engine/scalers/box_origin.h"
#include "amplex/engine/selection/item_routes.h"
#include "amplex/resources/strings.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/component_calls.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

/// Frame on both sides and 2 pt.
void warnIfPictureBoxTooSmall(Fixed height, Fixed width, Fixed weight)
{
    const Fixed minimum = sum(sum(weight, weight), kFixedTwo);
    const bool lowHeight = height < minimum;
    const bool lowWidth = width < minimum;
    if (lowHeight && lowWidth)
        showMinimumSizeWarning(StringMinimumPictureBoxBoth, minimum, VerticalMeasure);
    else if (lowHeight)
        showMinimumSizeWarning(StringMinimumPictureBoxHeight, minimum, VerticalMeasure);
    else if (lowWidth)
        showMinimumSizeWarning(StringMinimumPictureBoxWidth, minimum, HorizontalMeasure);
}

/// The box's frame, outsets and rectangle. Frame and outsets go by the width's factor alone.
void scaleFrame(foundation::BoxRecordLease& record, Factors size)
{
    const ScaleSettings& settings = currentSettings();
    const FixedRect rect = record->geometry.rect;
    placeBoxOrigin(rect);
    if (settings.ScalePictureBoxes)
        record->weight = xt::calls::FixedMultiply(record->weight, size.h);
    if (settings.SizeWarnings)
        warnIfPictureBoxTooSmall(scaledHeight(rect, size.v), scaledWidth(rect, size.h), record->weight);
    const FixedRect scaled = scaledRect(rect, engineState().origin(), settingsFactors(), size);
    if (settings.ScaleLines)
        scaleOutsets(record, {size.h, size.h});
    if (settings.ScaleGraphics)
        record->geometry.rect = scaled;
}

} // namespace

void ScalePictureBox(int32_t box)
{
    uint8_t unused = 0;
    xt::calls::XptaOp44(box, &unused);
    xt::calls::SetCurrentBox(box);
    if (!IsOnScaledPage())
        return;
    foundation::BoxRecordLease record = foundation::BoxRecordLease::ofCurrentItem();
    if (!record)
        return;
    // Only a framed box has a rectangle here; a picture in a line, point-list or Bezier outline
    // (a table's cell may be one) goes to the scaler of its shape.
    if (!xt::shape::isFramed(record->shape)) {
        const Route route = selectionRoute(record->kind, record->shape);
        record.release();
        runItemScaler(route.scaler, box);
        return;
    }
    scaleShadowIfPresent(box);

    const ScaleSettings& settings = currentSettings();
    const Factors plain = settingsFactors();
    if (hasCornerField(record->shape) && settings.ScaleGraphics)
        record->corner = xt::calls::FixedMultiply(record->corner, plain.smaller());
    if (settings.ScaleBezierShapes)
        scalePictureInBezierBox(record);
    scaleFrame(record, proportional(plain, settings.KeepPictureBoxesProportional));
    record.store(0);
}

} // namespace amplex
