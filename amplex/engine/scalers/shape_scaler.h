// Scaling items whose outline is a point list in shape data: point-list shapes and Bezier shapes.
#pragma once

#include <cstdint>

namespace amplex {

/// Scales a point-list shape (shapes 3 and 4) of any kind.
void ScaleShapeItem(int32_t item);

/// Scales a Bezier shape (shapes 10 and 11) of any kind, and the picture of a Bezier picture box.
void ScaleBezierBox(int32_t item);

} // namespace amplex
