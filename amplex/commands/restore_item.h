// Putting a recorded item back as its undo entry saw it before the scale.
#pragma once

#include <cstdint>
#include <vector>

#include "amplex/undo/undo_entry.h"

namespace amplex {

/// Copies the fields the scalers change from the entry's saved record into the item, then its
/// story for a text box, and moves it back by the "Fit to" move made before its scale.
void RestoreItemFromUndo(const UndoEntry& entry);

/// "VRNU": the marker that a story shared by a chain has been restored through one of its boxes.
inline constexpr xt::FourLetterCode kUndoneTextId = xt::fourCC("VRNU");

/// The boxes that received the marker during the undo that runs, so that it comes off all of them.
std::vector<int32_t>& markedForUndo();

} // namespace amplex
