// Dotwise's message handlers and window callbacks, as its description registers them.
#pragma once

#include <cstdint>

namespace dotwise {

int32_t OnMenuCommand(void* block);
int32_t OnMenuUpdate(void* block);
int32_t OnBuildMenus(void* block);
int32_t OnReopenPalette(void* block);
int32_t OnLanguageDotwise(void* block);
int32_t OnQuit(void* block);
int32_t PaletteCallback(void* record);
int32_t SettingsDialogCallback(void* record);

} // namespace dotwise
