// Fit Box to Text: a text box made just tall enough for its text; and the bottom-edge move it uses.
#pragma once

#include <cstdint>

#include "xtapi/box_record.h"

namespace amplex {

/// Moves the bottom edge of `box` by `delta` (negative moves it up) and applies the record that the
/// caller holds for it. Rectangles (shapes 0, 5 to 9) move their bottom; point lists and Bezier
/// outlines are mapped onto their taller or shorter bounds. Lines are left alone. False when
/// nothing changed: a line, or a move the host refused (a box cannot be shorter than nothing).
bool GrowBoxBy(xt::BoxRecord* record, int32_t box, xt::Fixed delta);

/// "Fit Box to Selection" (`FitCommand` 3) or "Fit Box to Story" (4) on `box`: its bottom moves so
/// that the range's text just fits. One host undo step; the fitted range is selected at the end.
void FitBoxToText(int32_t box);

} // namespace amplex
