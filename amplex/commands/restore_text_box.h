// Putting a recorded text box's story back: its character and paragraph runs and its anchored items.
#pragma once

#include "amplex/undo/undo_entry.h"

namespace amplex {

/// Restores the story once per chain: the first box of a chain to come back marks every box of it
/// with "VRNU", and a box that carries the marker already is passed over.
void RestoreTextBox(const UndoEntry& entry);

/// Takes the marker off every box that received it in this undo.
void clearUndoneMarkers();

} // namespace amplex
