// Mockum's start-up work and what it keeps for the plug-in's life.
#pragma once

#include <cstdint>

namespace mockum {

/// Keeps the plug-in's own resource file and starts from the default settings. Returns 0.
int32_t mockumStartUp();

/// The plug-in's own resource file, kept at start-up.
int16_t ownResourceFile();

} // namespace mockum
