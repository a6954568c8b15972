// Dotwise's start-up work: the palette preferences, then the settings from their file.
#pragma once

#include <cstdint>

namespace dotwise {

/// 0, or 0x51000401 when the preference file cannot be opened or read.
int32_t dotwiseStartUp();

int16_t ownResourceFile();

} // namespace dotwise
