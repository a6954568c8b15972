// The scalers of text boxes and picture boxes, which scale a box together with its contents.
#pragma once

#include <cstdint>

namespace amplex {

/// Scales a text box, its text and the items anchored in it. Callers set or reset the text scale
/// range first. For text on a line (shapes 1 and 2) the line's shadow, weight and outsets are the
/// line scaler's to scale, once.
void ScaleTextBox(int32_t box);

/// Scales a picture box and the picture in it.
void ScalePictureBox(int32_t box);

} // namespace amplex
