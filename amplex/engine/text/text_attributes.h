// Scaling the text of the current text box with the box: point sizes, horizontal scales, leading,
// spacing, indents, rules, tab stops and the items anchored in the text.
#pragma once

namespace amplex {

/// Scales the part of the current box's story that this box's scale covers (see story_range.h).
/// At most one point-size warning is shown per call.
void ScaleTextAttributes();

} // namespace amplex
