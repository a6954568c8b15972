// ScaleLine and ScaleLineItem.
#include "amplex/engine/scalers/line_scaler.h"

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/common/scaled_page.h"
#include "amplex/engine/scalers/item_bounds.h"
#include "foundation/binding/binding.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

constexpr int32_t kOpenEditBracket = 0x3105E3;
constexpr int32_t kCloseEditBracket = 0x3105E4;

/// A line whose angle has no whole degree is written by its end points, any other by length and angle.
bool writtenByEnds(const foundation::BoxRecordLease& record)
{
    return (record->angle >> 16) == 0;
}

void applyLineOrigin(const LineEnds& ends)
{
    if (engineState().tableScaled())
        return;
    const int16_t from = currentSettings().ScaleFrom;
    if (from == FromUpperLeftOfItems)
        engineState().setOrigin(ends.first);
    else if (from == FromCenterOfItems)
        engineState().setOrigin(midpointOf(ends.first, ends.second));
}

/// The first end scales about the origin; the second keeps its offset from the first, scaled.
LineEnds scaledEnds(const LineEnds& ends, Factors factors)
{
    const FixedPoint first = scaleAbout(ends.first, engineState().origin(), factors);
    const FixedPoint run{xt::calls::FixedMultiply(difference(ends.second.v, ends.first.v), factors.v),
        xt::calls::FixedMultiply(difference(ends.second.h, ends.first.h), factors.h)};
    return {first, {sum(first.v, run.v), sum(first.h, run.h)}};
}

void scaleLineFields(foundation::BoxRecordLease& record, Factors factors)
{
    const ScaleSettings& settings = currentSettings();
    if (settings.ScalePictureBoxes)
        record->weight = xt::calls::FixedMultiply(record->weight, factors.smaller());
    if (settings.ScaleLines)
        scaleOutsets(record, factors);
}

bool sameEnds(const LineEnds& a, const LineEnds& b)
{
    return a.first.v == b.first.v && a.first.h == b.first.h && a.second.v == b.second.v && a.second.h == b.second.h;
}

void scaleLine(int32_t item, const std::optional<LineEnds>& known)
{
    xt::calls::SetCurrentBox(item);
    const int32_t line = currentItem();
    if (!IsOnScaledPage())
        return;
    const Factors factors = proportional(settingsFactors(), currentSettings().KeepLinesProportional);
    scaleShadowIfPresent(item);

    foundation::BoxRecordLease record = foundation::BoxRecordLease::ofCurrentItem();
    // The shadow step moves no end, so ends read before it still hold.
    const auto ends = known && line == item ? known : GetItemBounds(line);
    if (!record || !ends)
        return;
    const bool byEnds = writtenByEnds(record);
    applyLineOrigin(*ends);
    scaleLineFields(record, factors);
    const LineEnds scaled = scaledEnds(*ends, factors);
    record.store();
    if (!currentSettings().ScaleLineWeights)
        return;
    engineState().setLineEnds(scaled.first, scaled.second);
    // Writing ends that did not move would only let the host's rounding creep into the line.
    if (sameEnds(scaled, *ends))
        return;
    if (byEnds)
        MoveLineEnds(line, scaled.first, scaled.second);
    else
        SetLineLengthAndAngle(line, scaled.first, scaled.second);
}

} // namespace

void ScaleLine(int32_t item)
{
    scaleLine(item, std::nullopt);
}

void ScaleLine(int32_t item, const LineEnds& ends)
{
    scaleLine(item, ends);
}

void ScaleLineItem(int32_t item)
{
    CurrentItemKeeper current;
    xt::calls::SetCurrentBox(item);
    xt::calls::XaqOp2966(kOpenEditBracket);
    ScaleLine(item);
    xt::calls::XaqOp2966(kCloseEditBracket);
}

} // namespace amplex
