// The one place where the scale commands, and redo, hand over to an engine.
#pragma once

#include <cstdint>

namespace amplex {

/// Scales the selection as step and repeat does (once, or once per copy).
void runSelectionScale();
/// Scales the document or the page range that the command state names.
void runDocumentScale();
enum class TextFit : uint8_t { TextToBox, BoxToText };
void runTextFit(int32_t box, TextFit fit);
/// `FitCommand` 1 or 2 fits the text to the box, 3 or 4 the box to the text.
TextFit textFitOf(int32_t fitCommand);
void runPictureFit(int32_t box);
/// The after-scale document adjustment.
void adjustAfterScale();

} // namespace amplex
