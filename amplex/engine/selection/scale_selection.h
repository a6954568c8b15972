// The scaling engine's two entries: the current item of a scale, and an item anchored in a story.
#pragma once

#include <cstdint>

namespace amplex {

/// Scales the current item by the settings' factors about the origin that "Scale from" and the item
/// give, recording it for undo first when the selection is being scaled. Does nothing without a
/// current item.
void ScaleSelection();

/// Scales an item anchored in a story about its own upper left. The current item, the origin and
/// the "Keep Proportional" switches are as before afterwards.
void ScaleSingleItem(int32_t item);

} // namespace amplex
