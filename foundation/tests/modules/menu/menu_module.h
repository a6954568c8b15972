// The menu test modules' shared handlers: join or create "VORNE", append the module's own items,
// and answer a chosen item with a warning box naming it and the language code.
#pragma once

#include <cstdint>
#include <span>

namespace menu_module {

/// Each module's plugin.cpp defines its labels.
extern const std::span<const char* const> kItemLabels;

int32_t OnQuit(void* block);
int32_t OnBuildMenus(void* block);
int32_t OnMenuUpdate(void* block);
int32_t OnMenuCommand(void* block);

} // namespace menu_module
