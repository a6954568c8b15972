// The handlers whose work lives with the commands (menu command, undo, redo) and the windows' callbacks.
#pragma once

#include <cstdint>

namespace amplex {

int32_t OnMenuCommand(void* block);
int32_t OnUndoScale(void* block);
int32_t OnRedoScale(void* block);
int32_t ScaleDialogProc(void* record);
int32_t ScalePageProc(void* record);
int32_t OptionsPageProc(void* record);
int32_t PresetsPageProc(void* record);
int32_t TextFitPageProc(void* record);
int32_t PaletteProc(void* record);

} // namespace amplex
