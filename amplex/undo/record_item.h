// Recording an item's state in the undo list before a scale changes it.
#pragma once

#include <cstdint>

#include "amplex/undo/outside_state.h"
#include "xtapi/box_record.h"

namespace amplex {

enum class Anchored : uint8_t { No = 0, Yes = 1 };
enum class Replay : uint8_t { No = 0, Yes = 1 };

/// Appends an UndoEntry with the item's record (and, for a text box, its character and paragraph
/// runs) to the undo list. Groups are not recorded: their members are, one by one. An item the host
/// cannot give a record of, or a record that finds no memory, is passed over.
void RecordItemForUndo(int32_t item, Anchored anchored, Replay replay);

/// The same from the item's record that the caller holds already.
void recordItemFromRecord(int32_t item, const xt::BoxRecord& record, Anchored anchored, Replay replay);

/// Notes what a scale of the item changes outside its record (its shadow; a table's grid), when it has any.
void recordOutsideForUndo(int32_t item, TableItem table);

} // namespace amplex
