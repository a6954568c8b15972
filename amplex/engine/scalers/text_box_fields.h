// The fields of a text box's record that scale with it: corner, frame, gutter, spacing and the two
// further lengths, and the smallest size its frame, spacing and columns allow.
#pragma once

#include "amplex/engine/common/scale_factors.h"
#include "xtapi/box_record.h"

namespace amplex {

/// Fields shrink before the box is resized and grow after it; each phase scales only the fields
/// whose factor goes its way.
enum class FieldPhase : uint8_t { Shrink, Grow };

/// Corner (shapes 6 to 9) and frame weight by the smaller factor `smaller`; gutter and horizontal
/// spacing by `factors.h`, vertical spacing by `factors.v`. The frame weight is left to the line
/// scaler when `frameHere` is false.
void scaleTextBoxFields(xt::BoxRecord& record, FieldPhase phase, Factors factors, Fixed smaller, bool frameHere);

/// The two further lengths, by the vertical size factor at every scale.
void scaleTextBoxLengths(xt::BoxRecord& record, Fixed vertical);

struct TextBoxMinimum {
    Fixed height;  // both spacings, the frame on both sides and 2 pt
    Fixed width;   // the same, plus what the gutters between the columns take
};

/// The minimum of the record as it stands; the gutter counts at `horizontal` times its width.
TextBoxMinimum textBoxMinimum(const xt::BoxRecord& record, Fixed horizontal);

/// One message when the scaled box is smaller than its minimum. Each message names the height's
/// minimum, even the width's.
void warnIfTextBoxTooSmall(Fixed height, Fixed width, const TextBoxMinimum& minimum);

} // namespace amplex
