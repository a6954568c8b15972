// The handler of the host's menu command message: the palette item and "Amplex...".
#pragma once

#include <cstdint>

namespace amplex {

/// Shows or hides the palette, or runs the dialog and the scale for "Amplex..."; always 0.
int32_t OnMenuCommand(void* block);

} // namespace amplex
