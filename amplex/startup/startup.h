// The work Amplex does at the end of its level-200 set-up.
#pragma once

#include <cstdint>

namespace amplex {

/// Keeps the resource file, fetches the palette record and writes the default settings. Returns 0.
int32_t amplexStartUp();

/// The plug-in's own resource file reference, kept for its life.
int16_t ownResourceFile();

/// The screen's horizontal resolution, which sets the palette's default size.
int32_t screenPixelsPerInch();

} // namespace amplex
