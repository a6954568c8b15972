// ScaleTextBox: a text item's text, its spacing fields and its geometry by shape.
#include "amplex/engine/scalers/box_content_scalers.h"

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/common/scaled_page.h"
#include "amplex/engine/scalers/box_origin.h"
#include "amplex/engine/scalers/item_bounds.h"
#include "amplex/engine/scalers/line_scaler.h"
#include "amplex/engine/scalers/text_box_fields.h"
#include "amplex/engine/text/text_attributes.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/component_calls.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

enum class Geometry : uint8_t { None, Line, Shape, Box };

struct GeometryChoice {
    Geometry geometry;
    bool runs;            // the switches of the shape's row allow it
    uint8_t keepSwitch;   // the "Keep Proportional" switch of the shape
};

GeometryChoice geometryOf(uint8_t shape)
{
    namespace s = xt::shape;
    const ScaleSettings& settings = currentSettings();
    if (s::isLine(shape))
        return {Geometry::Line, settings.ScaleLineWeights != 0, settings.KeepLinesProportional};
    if (s::isPointList(shape))
        return {Geometry::Shape, settings.ScaleLineWeights && settings.ScaleDropShadows, settings.KeepBezierProportional};
    if (s::isBezier(shape))
        return {Geometry::Shape, settings.ScaleText && settings.ScaleDropShadows, settings.KeepBezierProportional};
    if (s::isFramed(shape))
        return {Geometry::Box, settings.ScaleText != 0, settings.KeepTextBoxesProportional};
    return {Geometry::None, false, 0};
}

/// Text on a line: where the line scaler runs after the text, the line's shadow, weight and outsets
/// are its to scale, so they scale once.
bool lineScalesFrame(uint8_t shape)
{
    return xt::shape::isLine(shape) && currentSettings().ScaleLineWeights;
}

/// The end points the line scaler will move the line to; it works them out again itself.
void lineStep(Factors size)
{
    const auto ends = GetItemBounds(currentItem());
    if (!ends)
        return;
    EngineState& state = engineState();
    if (!state.tableScaled()) {
        const int16_t from = currentSettings().ScaleFrom;
        if (from == FromUpperLeftOfItems)
            state.setOrigin(ends->first);
        else if (from == FromCenterOfItems)
            state.setOrigin(midpointOf(ends->first, ends->second));
    }
    // The first end moves about the origin; the second keeps its place relative to the first,
    // scaled.
    const FixedPoint first = scaleAbout(ends->first, state.origin(), size);
    const FixedPoint secondAboutFirst = scaleAbout(ends->second, ends->first, size);
    const FixedPoint second{sum(first.v, difference(secondAboutFirst.v, ends->first.v)),
        sum(first.h, difference(secondAboutFirst.h, ends->first.h))};
    state.setLineEnds(first, second);
}

/// The outline in the shape data; the host moves the points with it at once.
void shapeStep(foundation::BoxRecordLease& record, Factors size)
{
    const auto outline = foundation::shapeDataRect(*record.get());
    if (!outline)
        return;
    applyItemOrigin(*outline);
    const FixedRect scaled = scaledRect(*outline, engineState().origin(), settingsFactors(), size);
    const xt::Handle data = xt::readAt<xt::Handle>(record.get(), xt::kRecordTopLeft);
    xt::calls::XsiOp1289(data, *data + offsetof(xt::ShapeDataHeader, rect), &scaled);
}

/// The box is resized to the scaled size whatever its minimum; the minimum only decides the warning.
void boxStep(foundation::BoxRecordLease& record, Factors size)
{
    const FixedRect rect = record->geometry.rect;
    placeBoxOrigin(rect);
    const Fixed height = scaledHeight(rect, size.v);
    const Fixed width = scaledWidth(rect, size.h);
    if (currentSettings().SizeWarnings) {
        const TextBoxMinimum minimum = textBoxMinimum(*record.get(), size.h);
        warnIfTextBoxTooSmall(height, width, minimum);
    }
    record->geometry.rect = scaledRect(rect, engineState().origin(), settingsFactors(), size);
}

Factors runGeometry(foundation::BoxRecordLease& record, Factors plain)
{
    const GeometryChoice choice = geometryOf(record->shape);
    if (!choice.runs)
        return plain;
    const Factors size = proportional(plain, choice.keepSwitch);
    switch (choice.geometry) {
    case Geometry::Line:
        lineStep(size);
        break;
    case Geometry::Shape:
        shapeStep(record, size);
        break;
    case Geometry::Box:
        boxStep(record, size);
        break;
    case Geometry::None:
        break;
    }
    return size;
}

bool hostServiceHolds(int16_t documentId, int32_t box)
{
    return xt::calls::DocumentServiceTest(documentId) != 0 && xt::calls::BoxServiceTest(box) != 0;
}

} // namespace

void ScaleTextBox(int32_t box)
{
    int16_t documentId = -1;
    xt::calls::GetCurrentDocument(&documentId);
    xt::calls::SetCurrentBox(box);
    uint8_t unused = 0;
    xt::calls::XptaOp44(box, &unused);
    if (!IsOnScaledPage())
        return;
    ToolKeeper tool;
    ScaleTextAttributes();

    const Factors plain = settingsFactors();
    foundation::BoxRecordLease record = foundation::BoxRecordLease::ofCurrentItem();
    if (!record)
        return;
    const uint8_t shape = record->shape;
    const bool frameHere = !lineScalesFrame(shape);
    if (frameHere)
        scaleShadowIfPresent(box);
    // A box that a host service holds keeps its fields and geometry; asked before anything is
    // stored, so such a box is never left half scaled.
    if (hostServiceHolds(documentId, box))
        return;

    scaleTextBoxFields(*record.get(), FieldPhase::Shrink, plain, plain.smaller(), frameHere);
    const Factors size = runGeometry(record, plain);
    if (frameHere && currentSettings().ScaleLines)
        scaleOutsets(record, size);
    scaleTextBoxLengths(*record.get(), size.v);
    scaleTextBoxFields(*record.get(), FieldPhase::Grow, size, plain.smaller(), frameHere);
    if (!record.store(1))
        return;

    record.reread();
    if (xt::shape::isLine(record->shape) && currentSettings().ScaleLineWeights)
        ScaleLine(currentItem());
}

} // namespace amplex
