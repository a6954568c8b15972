// A piece of a story taken out with its attributes, to be put into the same or another story: what
// the text clipboard holds, what a copied text box carries, and what a link appends to a chain.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/model/text/story.h"

namespace host::model {

/// Characters with the attributes of each run, run ranges counted from the piece's start.
struct TextSnapshot {
    std::u16string text;
    std::vector<std::pair<TextRange, CharacterAttributes>> characterRuns;
    std::vector<std::pair<TextRange, ParagraphAttributes>> paragraphRuns;
};

/// The characters of `range` (clamped to the story) with their character and paragraph attributes.
TextSnapshot copyText(const Story& story, TextRange range);
/// Inserts the piece at `offset` (clamped), its characters keeping the attributes they were taken with.
/// Returns the range the piece now takes.
TextRange insertText(Story& story, int32_t offset, const TextSnapshot& piece);

} // namespace host::model
