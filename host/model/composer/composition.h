// What the composer made of a story: its lines, where each sits, and where each box's text begins.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "xtapi/types.h"

namespace host::model {

/// One composed line. Distances are from the top-left corner of the box that holds the line; an
/// overset line is laid out below the last column of the chain's last box, in that box's terms.
struct ComposedLine {
    int32_t start = 0;
    int32_t end = 0;
    size_t boxIndex = 0;   // in chain order; the last box for an overset line
    int16_t column = 0;
    bool overset = false;
    xt::Fixed left = 0;    // where the first character starts
    xt::Fixed tabOrigin = 0; // from the column's left edge to the line's indent, where tab stops count from
    xt::Fixed width = 0;   // the width the line may fill
    xt::Fixed usedWidth = 0;
    xt::Fixed ascent = 0;
    xt::Fixed descent = 0;
    xt::Fixed height = 0;  // the line's leading
    xt::Fixed top = 0;
    xt::Fixed baseline = 0;
    xt::Fixed bottom = 0;
    xt::Fixed depth = 0;   // the box height that holds the lines above this one in its column

    bool operator==(const ComposedLine&) const = default;
};

/// Where the flow stood when a paragraph began: everything composing on from there needs.
struct ParagraphStart {
    int32_t offset = 0;
    size_t lineCount = 0;  // lines placed before the paragraph
    size_t slot = 0;       // the column the flow was in, counted over the chain
    xt::Fixed y = 0;
    xt::Fixed spaceAfter = 0; // of the paragraph before
    int32_t linesInSlot = 0;
    bool overset = false;

    bool operator==(const ParagraphStart&) const = default;
};

struct Composition {
    std::vector<ComposedLine> lines;
    /// Per box in chain order: the story offset of its first character (the story length when no
    /// text reaches it).
    std::vector<int32_t> firstOffsets;
    int32_t storyLength = 0;
    /// One per paragraph composed, in story order, so that a change composes again only from the
    /// paragraph it touches.
    std::vector<ParagraphStart> paragraphStarts;

    bool overflows() const { return !lines.empty() && lines.back().overset; }
    /// The line holding `offset`: the last line for the story's end; null when there are no lines.
    const ComposedLine* lineHolding(int32_t offset) const;
};

} // namespace host::model
