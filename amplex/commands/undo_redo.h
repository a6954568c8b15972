// Amplex's answers to the host's Undo and Redo of its step: the recorded items go back, and the
// same scale runs again.
#pragma once

#include <cstdint>

namespace amplex {

/// Handler of UndoMessage; always 0.
int32_t OnUndoScale(void* block);
/// Handler of RedoMessage; always 0. Only a redo that follows an undo does anything.
int32_t OnRedoScale(void* block);

/// Puts every recorded item back; the undo list stays for the redo.
void UndoScale();
/// Selects the restored items again and scales them as the recorded scale did.
void RedoScale();

} // namespace amplex
