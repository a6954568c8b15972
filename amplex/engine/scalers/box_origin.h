// Steps that text and picture boxes share: the origin of "Upper left of items" and "Center of
// items" (a table's cell takes its table's), the corner field and the minimum-size message.
#pragma once

#include <cstdint>

#include "xtapi/box_record.h"

namespace amplex {

/// Moves the origin to the box's corner or centre for the "items" choices of "Scale from". While a
/// table's cells scale, the table's rectangle stands in for the box's.
void placeBoxOrigin(const xt::FixedRect& boxRect);

/// Shapes 6 to 9 keep a corner radius or shape length in the record's corner field.
constexpr bool hasCornerField(uint8_t shape)
{
    return shape >= xt::shape::kRoundedCorner && shape <= xt::shape::kOval;
}

/// Units of the host's measurement text.
enum MeasureUnit : int32_t { HorizontalMeasure = 0x73, VerticalMeasure = 0x74 };

/// Shows the string `message` followed by `value` in the unit; a value the host cannot format is
/// left out and the message shown all the same.
void showMinimumSizeWarning(int32_t message, xt::Fixed value, MeasureUnit unit);

} // namespace amplex
