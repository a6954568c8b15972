// Breaks one line of a paragraph at spaces and hyphens, and measures characters with the fixed metrics.
#pragma once

#include <cstdint>

#include "host/model/text/story.h"
#include "xtapi/types.h"

namespace host::model {

struct LineBreak {
    int32_t end = 0;          // one past the line's last character (spaces and a paragraph end included)
    xt::Fixed usedWidth = 0;  // without spaces hanging at the end
    xt::Fixed ascent = 0;
    xt::Fixed descent = 0;
    xt::Fixed height = 0;     // leading: the paragraph's, else the largest character leading or 1.2 x size
};

/// The advance of one character (no tabs): width x size x horizontal scale, plus tracking in 1/200 em.
xt::Fixed characterAdvance(char16_t c, const CharacterAttributes& attributes);

/// Sets one line from `start` (a paragraph's `paragraphEnd` bounds it) into `width`. `tabOrigin` is the
/// distance from the column's left edge to the line's start, since tab stops are measured from the column.
/// A line holds at least one character.
LineBreak breakLine(const Story& story, int32_t start, int32_t paragraphEnd, xt::Fixed width, xt::Fixed tabOrigin);

/// The width of the characters [start, end) set from `start`.
xt::Fixed measure(const Story& story, int32_t start, int32_t end, xt::Fixed tabOrigin);

} // namespace host::model
