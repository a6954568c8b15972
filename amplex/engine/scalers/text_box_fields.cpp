// A text box's record fields and its minimum size.
#include "amplex/engine/scalers/text_box_fields.h"

#include <algorithm>

#include "amplex/engine/scalers/box_origin.h"
#include "amplex/resources/strings.h"
#include "amplex/settings/settings.h"
#include "foundation/binding/binding.h"

namespace amplex {
namespace {

bool goesThisWay(FieldPhase phase, Fixed factor)
{
    return phase == FieldPhase::Shrink ? factor < xt::kFixedOne : factor > xt::kFixedOne;
}

Fixed times(Fixed value, Fixed factor)
{
    return xt::calls::FixedMultiply(value, factor);
}

} // namespace

void scaleTextBoxFields(xt::BoxRecord& record, FieldPhase phase, Factors factors, Fixed smaller, bool frameHere)
{
    const ScaleSettings& settings = currentSettings();
    xt::TextFields& text = record.content.text;
    if (hasCornerField(record.shape) && settings.ScaleText && goesThisWay(phase, smaller))
        record.corner = times(record.corner, smaller);
    if (frameHere && settings.ScalePictureBoxes && goesThisWay(phase, smaller))
        record.weight = times(record.weight, smaller);
    if (goesThisWay(phase, factors.h) && settings.ScaleAnchoredBoxes)
        text.gutter = times(text.gutter, factors.h);
    if (goesThisWay(phase, factors.v))
        text.insetTop = times(text.insetTop, factors.v);
    if (goesThisWay(phase, factors.h)) {
        text.insetsAcross[0] = times(text.insetsAcross[0], factors.h);
        text.insetsAcross[1] = times(text.insetsAcross[1], factors.h);
    }
    if (goesThisWay(phase, factors.v))
        text.insetBottom = times(text.insetBottom, factors.v);
}

void scaleTextBoxLengths(xt::BoxRecord& record, Fixed vertical)
{
    record.content.text.lengths[1] = times(record.content.text.lengths[1], vertical);
    record.content.text.lengths[0] = times(record.content.text.lengths[0], vertical);
}

TextBoxMinimum textBoxMinimum(const xt::BoxRecord& record, Fixed horizontal)
{
    const xt::TextFields& text = record.content.text;
    const Fixed frames = sum(record.weight, record.weight);
    const Fixed base = sum(sum(text.insetTop, text.insetBottom), sum(frames, kFixedTwo));
    // A box of no columns lays its text out in one.
    const int32_t gutters = std::max<int32_t>(text.columns, 1) - 1;
    const Fixed gutter = times(text.gutter, horizontal);
    const Fixed allowance = times(gutter, gutters * xt::kFixedOne);
    return {base, sum(base, allowance)};
}

void warnIfTextBoxTooSmall(Fixed height, Fixed width, const TextBoxMinimum& minimum)
{
    const bool lowHeight = height < minimum.height;
    const bool lowWidth = width < minimum.width;
    if (lowHeight && lowWidth)
        showMinimumSizeWarning(StringMinimumTextBoxBoth, minimum.height, VerticalMeasure);
    else if (lowHeight)
        showMinimumSizeWarning(StringMinimumTextBoxHeight, minimum.height, VerticalMeasure);
    else if (lowWidth)
        showMinimumSizeWarning(StringMinimumTextBoxWidth, minimum.height, HorizontalMeasure);
}

} // namespace amplex
