// The text scaler's chain state (`TextScaleRange`): the part of a linked story that the box being
// scaled holds, so that each box of a chain scales only its own characters.
#pragma once

#include <cstdint>

namespace amplex {

struct TextScaleRange {
    int32_t start = 0;
    int32_t end = 0;  // exclusive; (0, 0): no range, the whole story

    bool isSet() const { return start != 0 || end != 0; }
};

TextScaleRange textScaleRange();
void setTextScaleRange(TextScaleRange range);
/// Forgets the range of an earlier box, so the next text box scales its whole story.
void resetTextScaleRange();

} // namespace amplex
