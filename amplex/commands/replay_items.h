// The items that redo scales again one by one (a table's cells), after the selection's scale.
#pragma once

#include <cstdint>
#include <vector>

#include "amplex/undo/undo_entry.h"

namespace amplex {

/// The entries marked for replay, copied out of the list before it is cleared.
std::vector<UndoEntry> replayEntries(const std::vector<UndoEntry>& entries);

/// Records and scales each entry's item by its kind, then hands the host back its groups to form.
void replayItems(const std::vector<UndoEntry>& replay, const std::vector<int32_t>& regrouped);

} // namespace amplex
