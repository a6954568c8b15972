// Scaling a plain box: no text or picture of its own, only its outline, frame, outsets and shadow.
#pragma once

#include <cstdint>

namespace amplex {

/// Scales the box about the engine's origin: its rectangle (or its shape's outline), the frame
/// weight and the four outsets as the settings say, and its drop shadow.
void ScalePlainBox(int32_t box);

} // namespace amplex
