// The passes of text scaling over a range of a story: character runs, then paragraphs.
#pragma once

#include <cstdint>

#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/text/story_range.h"

namespace amplex {

struct TextFactors {
    Factors plain;       // H and V as set: leading goes by V, tab stops by H
    Factors text;        // both the smaller one when the text keeps its proportions
    Fixed widthRatio;    // text.h / text.v; 0 when they are equal and widths stay
};

TextFactors textFactors();

/// One warning about point sizes per scale of a box, however many runs go out of bounds.
struct SizeWarningLatch {
    bool shown = false;
};

/// Point size (by the vertical text factor) and horizontal scale (by the width ratio) of every
/// character run in the range.
void scaleCharacterRuns(int32_t box, int32_t story, const TextFactors& factors, const StoryRange& range,
    SizeWarningLatch& latch);

/// Leading, spacing, indents, rules and tab stops of every paragraph that ends in the range (and of
/// the last one when the story ends with the range).
void scaleParagraphs(int32_t story, const TextFactors& factors, const StoryRange& range);

/// Tab stops only, of every paragraph whose end lies in the range.
void scaleTabsOnly(int32_t story, const TextFactors& factors, const StoryRange& range);

} // namespace amplex
