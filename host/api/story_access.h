// How the text operations find what they are given: the layout holding an item or a story, the
// current box for 0, and stories by reference.
#pragma once

#include <algorithm>
#include <cstdint>

#include "host/model/document_model.h"
#include "host/model/text/story.h"

namespace host::api {

/// The layout that holds item `box` (the current layout first); null when no layout does.
model::Layout* layoutOfItem(int32_t box);
/// `box`, or the current layout's current item for 0.
int32_t boxOrCurrent(int32_t box);

struct StoryPlace {
    model::Layout* layout = nullptr;
    model::Story* story = nullptr;
    explicit operator bool() const { return story != nullptr; }
};
/// The story with reference `ref` in any open layout.
StoryPlace findStory(int32_t ref);

/// True when both ends of a range (in either order) lie from 0 to the story's length: a write
/// outside the text is refused rather than moved to its nearest end.
inline bool rangeWithinStory(const model::Story& story, int32_t start, int32_t end)
{
    return std::min(start, end) >= 0 && std::max(start, end) <= story.length();
}

} // namespace host::api
