// Twinnel's message handlers and its two window callbacks.
#pragma once

#include <cstdint>

namespace twinnel {

int32_t OnQuit(void* block);
int32_t OnBuildMenus(void* block);
int32_t OnMenuUpdate(void* block);
/// "Twinnel...": the clone dialog, then the clone.
int32_t CloneCommand(void* block);
/// Undo and Redo of the last clone.
int32_t OnUndoClone(void* block);
int32_t OnRedoClone(void* block);
int32_t CloneDialogCallback(void* record);
int32_t InsertPagesCallback(void* record);

} // namespace twinnel
