// A line's two end points as the host transforms them, and an item's own upper-left corner.
#pragma once

#include <cstdint>
#include <optional>

#include "xtapi/box_record.h"

namespace amplex {

using xt::FixedPoint;

/// The end points of a line (a `GetBoxType` of 1 or 2); empty for any other item, or when the host
/// cannot give its record. The points are in the coordinates of the line's page, as every caller
/// wants them, so the conversion to spread coordinates is not offered.
struct LineEnds {
    FixedPoint first;
    FixedPoint second;
};
std::optional<LineEnds> GetItemBounds(int32_t item);

/// The corner an item scales from when it scales about its own upper left: a framed item's or a
/// group's rectangle, a shape's outline, a line's first end point. Empty when the host has no record.
std::optional<FixedPoint> ownUpperLeft(int32_t item);
/// The same from the item's record in hand.
std::optional<FixedPoint> ownUpperLeft(int32_t item, const xt::BoxRecord& record);

} // namespace amplex
