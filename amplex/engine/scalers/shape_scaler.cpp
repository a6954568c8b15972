// ScaleShapeItem and ScaleBezierBox: one scale with two sets of switches.
#include "amplex/engine/scalers/shape_scaler.h"

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/common/scaled_page.h"
#include "amplex/engine/common/size_warning.h"
#include "amplex/engine/scalers/bezier_picture.h"
#include "amplex/resources/strings.h"
#include "foundation/binding/binding.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

/// What differs between the two: the switch that keeps the shape's proportion first, and the switch
/// that lets its point list scale (each together with "Drop Shadows").
struct OutlineSwitches {
    uint8_t ScaleSettings::*keepFirst;
    uint8_t ScaleSettings::*scalePoints;
    bool scalesPicture;
};

constexpr OutlineSwitches kPointListSwitches{
    &ScaleSettings::KeepLinesProportional, &ScaleSettings::ScaleLineWeights, false};
constexpr OutlineSwitches kBezierSwitches{
    &ScaleSettings::KeepPictureBoxesProportional, &ScaleSettings::ScaleGraphics, true};

constexpr MinimumSizeMessages kPictureBoxMessages{
    StringMinimumPictureBoxBoth, StringMinimumPictureBoxHeight, StringMinimumPictureBoxWidth};

/// The frame needs twice its weight and two points inside.
Fixed minimumExtent(Fixed weight)
{
    return sum(sum(weight, weight), kFixedTwo);
}

void scaleOutlineItem(int32_t item, const OutlineSwitches& switches)
{
    xt::calls::SetCurrentBox(item);
    if (!IsOnScaledPage())
        return;
    const ScaleSettings& settings = currentSettings();
    const Factors factors = settingsFactors();
    const Factors shape =
        proportional(proportional(factors, settings.*switches.keepFirst), settings.KeepBezierProportional);
    scaleShadowIfPresent(item);

    foundation::BoxRecordLease record = foundation::BoxRecordLease::ofCurrentItem();
    const auto outline = record ? foundation::shapeDataRect(*record.get()) : std::nullopt;
    if (!outline)
        return;
    applyItemOrigin(*outline);
    if (settings.ScalePictureBoxes)
        record->weight = xt::calls::FixedMultiply(record->weight, shape.smaller());
    const FixedRect scaled = scaledRect(*outline, engineState().origin(), factors, shape);
    if (settings.SizeWarnings) {
        warnIfBelowMinimum(difference(scaled.bottom, scaled.top), difference(scaled.right, scaled.left),
            minimumExtent(record->weight), kPictureBoxMessages);
    }
    if (settings.ScaleLines)
        scaleOutsets(record, shape);
    if (settings.ScaleDropShadows && settings.*switches.scalePoints) {
        const xt::Handle data = xt::readAt<xt::Handle>(record.get(), xt::kRecordTopLeft);
        xt::calls::XsiOp1289(data, *data + offsetof(xt::ShapeDataHeader, rect), &scaled);
    }
    const bool pictureBox = record->kind == static_cast<uint8_t>(xt::BoxKind::Picture);
    if (switches.scalesPicture && pictureBox && settings.ScaleBezierShapes)
        scalePictureInBezierBox(record);
    record.store();
}

} // namespace

void ScaleShapeItem(int32_t item)
{
    scaleOutlineItem(item, kPointListSwitches);
}

void ScaleBezierBox(int32_t item)
{
    scaleOutlineItem(item, kBezierSwitches);
}

} // namespace amplex
