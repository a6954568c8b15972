// Twinnel's start-up work.
#pragma once

#include <cstdint>

namespace twinnel {

/// Keeps the plug-in's own resource file and starts from the factory clone settings. Returns 0.
int32_t twinnelStartUp();

} // namespace twinnel
