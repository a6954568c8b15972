// The box the greek operations work on: the command sets it, the walkers move it from item to item.
#pragma once

#include <cstdint>

namespace mockum {

int32_t currentBox();
void setCurrentBoxGlobal(int32_t box);

/// Reads the host's current box into the global; 0 when none (or the host could not say).
int32_t takeCurrentBox();

} // namespace mockum
