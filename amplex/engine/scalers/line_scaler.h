// Scaling a line: its two end points about the origin, its weight and outsets, its shadow; and the
// two ways a line is written back, by its end points or by its length and angle.
#pragma once

#include <cstdint>

#include "amplex/engine/scalers/item_bounds.h"
#include "xtapi/box_record.h"

namespace amplex {

using xt::FixedPoint;

/// Scales the line `item` (shape 1 or 2) about the engine's origin.
void ScaleLine(int32_t item);
/// The same, for a line whose end points the caller has just read and nothing has moved since.
void ScaleLine(int32_t item, const LineEnds& ends);

/// `ScaleLine` inside the host's edit bracket, for lines of shape 2; the current item is kept.
void ScaleLineItem(int32_t item);

/// Writes an angled line by its length and angle so that it runs from `first` to `second`.
void SetLineLengthAndAngle(int32_t item, FixedPoint first, FixedPoint second);

/// Writes a line whose angle is 0 by its two end points.
void MoveLineEnds(int32_t item, FixedPoint first, FixedPoint second);

} // namespace amplex
