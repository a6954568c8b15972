// Mockum's message handlers and its dialog's callback.
#pragma once

#include <cstdint>

namespace mockum {

int32_t OnMenuCommand(void* block);
int32_t OnMenuUpdate(void* block);
int32_t OnBuildMenus(void* block);
/// Keeps the language codes 1, 3 and 8 and takes 0 for any other; hands the language's measure text on.
int32_t OnLanguage(void* block);
/// Mockum keeps nothing to save at quit.
int32_t OnQuit(void* block);
int32_t GreekSettingsProc(void* record);

} // namespace mockum
