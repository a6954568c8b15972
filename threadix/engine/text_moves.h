// Moving text between the stories of boxes through the host's cut and paste commands, so that the text
// keeps its attributes on the way.
#pragma once

#include <cstdint>

namespace threadix {

/// Takes the text [start, end) of the current box's story out onto the clipboard; the range is read
/// against the story as it is now. False when there was nothing to take or the host refused.
bool cutFromCurrentBox(int32_t start, int32_t end);
/// Puts the clipboard's text at `offset` of the current box's story (clamped to it).
bool pasteIntoCurrentBox(int32_t offset);
/// The current box's story length as it is now; 0 for a box without a story.
int32_t currentLength();
/// Asks the host to compose the changed story again.
void recompose();

/// The length the current box's story is told to end at by "the end": the length now, since every
/// cut and paste before changes it.
inline constexpr int32_t kStoryEnd = -1;

} // namespace threadix
