// Which characters of a linked story the current box's scale covers, so that a story running
// through several boxes is scaled once, and the markers that tell the other boxes so.
#pragma once

#include <cstdint>
#include <optional>

namespace amplex {

/// Story offsets [start, end).
struct StoryRange {
    int32_t start = 0;
    int32_t end = 0;
    /// The story goes on into a box beyond the range, so the range's last character does not end
    /// the paragraph it is in.
    bool runsOn = false;
};

/// The range that scaling `box` covers, by "Scale what": the whole story in the Document mode (the
/// chain's other boxes are marked as done), the box's own characters in the Selection mode, and the
/// characters of the chain's boxes inside the page range in the "From page" mode. Empty when the
/// box's text is not to be scaled now: its story was scaled through another box (the marker is
/// taken off), or the host could not say where the box's text begins.
std::optional<StoryRange> storyRangeOfBox(int32_t box, int32_t story, int32_t length);

/// The story offset of the box's first character; empty when the host cannot give memory for it or
/// cannot say.
std::optional<int32_t> firstOffsetOf(int32_t box);

} // namespace amplex
