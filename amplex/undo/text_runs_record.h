// The character and paragraph runs of a text box's story, kept for undo.
#pragma once

#include <cstdint>

#include "amplex/undo/undo_entry.h"

namespace amplex {

/// Fills the entry's run lists and counts from the story of text box `box`. The current item, the
/// tool and the story's selection are as before afterwards.
void recordTextRuns(int32_t box, UndoEntry& entry);

} // namespace amplex
