// Filling an empty text box with the placeholder text, repeated until the box is full and cut back
// to its last whole line that fits.
#pragma once

#include <cstdint>

namespace mockum {

enum class FillOutcome : uint8_t {
    Filled,
    NotAnEmptyTextBox,
    Locked,
    MissingText,
    AlreadyOverflowing,
    NoLineFits,
    Failed,
};

/// Fills `box` in one undo step and tells the user why when it does not; the text of a refused box
/// stays as it was.
FillOutcome FillPlaceholderText(int32_t box, int16_t ownResourceFile);

/// What the user reads when a fill does not happen; null for Filled.
const char* fillRefusalText(FillOutcome outcome);

} // namespace mockum
