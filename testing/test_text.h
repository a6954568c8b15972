// Helpers that give a document's text boxes their text, type and geometry in a few lines, for the
// host's and the plug-ins' tests.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/model/document_model.h"
#include "host/model/text/story.h"

namespace host::model::testdoc {

/// Replaces the text of the box's story with `ascii` ("\r" ends a paragraph) and returns the story.
Story& setText(Layout& layout, int32_t box, std::string_view ascii);
/// Sets font and size on the whole story and on text typed into it later.
void setType(Layout& layout, int32_t box, int16_t font, xt::Fixed size);
/// Insets on all four sides, columns and gutter of a text box.
void setTextFrame(Layout& layout, int32_t box, xt::Fixed inset, uint8_t columns = 1, xt::Fixed gutter = 0);
/// Links the boxes into one chain in the order given; false when a link is refused.
bool linkChain(Layout& layout, std::initializer_list<int32_t> boxes);

} // namespace host::model::testdoc
