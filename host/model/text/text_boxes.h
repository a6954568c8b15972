// Text boxes of a layout: the text items, their frames (from the item's geometry and text fields),
// their stories and chains. A text item gets an empty story of its own the first time it is asked for.
#pragma once

#include <cstdint>
#include <optional>

#include "host/model/composer/chain_layout.h"
#include "host/model/text/story.h"
#include "host/model/text/text_frame.h"

namespace host::model {

class Layout;

/// True for an item of the layout that is a text box (kind 3).
bool isTextItem(const Layout& layout, int32_t box);
/// The frame of a text item: its bounds, insets, columns and gutter; empty for anything else.
std::optional<TextFrame> textFrameOf(const Layout& layout, int32_t box);

/// The story a text box shows; null for anything but a text box.
Story* storyOfTextBox(Layout& layout, int32_t box);
int32_t previousTextBox(Layout& layout, int32_t box);
int32_t nextTextBox(Layout& layout, int32_t box);

/// Links `next` after `box` (see StoryStore::link) and marks `box` as running on. False for a box on a
/// master page and one that is not.
bool linkTextBoxes(Layout& layout, int32_t box, int32_t next);
/// Takes `box` out of its chain; the text stays with the chain.
bool unlinkTextBox(Layout& layout, int32_t box);
/// Splits the chain of `box` at one of its links (see StoryStore::split) and marks the boxes that
/// no longer run on.
bool splitTextChain(Layout& layout, int32_t box, ChainSplit where);

/// Sets or clears the box's "runs on" flag as its chain runs on past it or not.
void followChainWithRunsOnFlag(Layout& layout, int32_t box);

/// The composition of the chain of a text box, with each box's current geometry.
std::optional<ChainLayout> chainLayoutOf(Layout& layout, int32_t box);

} // namespace host::model
