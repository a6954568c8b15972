// Style sheets applied to text: a paragraph sheet gives paragraphs its indents, spacing and tabs, a
// character sheet gives characters (or the insertion point) its font, size, scale and tracking.
#pragma once

#include "host/model/style_sheets.h"
#include "host/model/text/story.h"

namespace host::model {

/// Every paragraph that `range` touches takes the sheet's paragraph values and tab stops.
void applyParagraphStyle(Story& story, TextRange range, const ParagraphStyle& style);

/// The characters of `range` (the insertion point when it is empty) take the sheet's values; a field the
/// sheet leaves at zero (no font, no size, no scale) keeps the text's own.
void applyCharacterStyle(Story& story, TextRange range, const CharacterStyle& style);

} // namespace host::model
