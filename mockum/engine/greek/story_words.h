// Greeking the words of a part of a story through the host: read the characters once, greek the words
// that may change, write the changed span back in one call.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace mockum {

/// A part of a story: words that begin in [start, end) are greeked, each to its natural end.
struct StoryRange {
    int32_t story = 0;
    int32_t start = 0;
    int32_t end = 0;
    int32_t length = 0; // the story's length
};

/// Which words of the range change.
struct WordTest {
    /// Selection greeking leaves a word alone that reaches the story's last character.
    bool needsFollowingCharacter = false;
    /// Off: only words whose first character is smaller than `threshold`.
    bool greekAny = true;
    xt::Fixed threshold = 0;
};

/// Greeks the words of the range that pass the test and lie within one run of character attributes
/// (a word whose characters differ in any attribute keeps its text, so that greeking twice gives it
/// back with its attributes). Returns how many words changed. Changes the story's selection when it
/// reads sizes; the caller restores it.
int32_t greekStoryRange(const StoryRange& range, const WordTest& test);

} // namespace mockum
