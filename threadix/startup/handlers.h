// Threadix's message handlers.
#pragma once

#include <cstdint>

namespace threadix {

int32_t OnQuit(void* block);
int32_t OnBuildMenus(void* block);
/// "Threadix..." is enabled whenever a document is open; the selection does not matter.
int32_t OnMenuUpdate(void* block);
int32_t LinkCommand(void* block);
/// Keeps the current box and document for the next command.
int32_t OnIdleThreadix(void* block);

} // namespace threadix
