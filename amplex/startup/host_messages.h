// Amplex's small host-message handlers: language, quit, palette reopening, the context menu and idle time.
#pragma once

#include <cstdint>

namespace amplex {

/// Keeps the language codes 1, 3 and 8 as sent and stores 0 for any other.
int32_t OnLanguage(void* block);
/// Hands the palette's preference record back to the host and removes the mouse hook.
int32_t OnQuit(void* block);
/// Opens the palette again when it was shown at the last quit.
int32_t OnReopenPalette(void* block);
/// Appends a separator to the host's context menu while a box is selected.
int32_t OnContextMenu(void* block);
/// Idle time needs no work from Amplex.
int32_t OnIdle(void* block);

} // namespace amplex
