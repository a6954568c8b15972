// The fit commands: Fit Box to Picture and the text fits on the current box, and the fit that a
// scale command runs instead of a scale when the settings request one.
#pragma once

#include <cstdint>

#include "amplex/commands/scale_command.h"

namespace amplex {

/// Fit Box to Picture on the current box (the palette's fit button on a picture box).
void FitBoxToPictureCommand();

/// The text fit chosen in the settings on the current text box (the palette's fit button on a text box).
void TextFitCommand();

/// Runs the fit the settings request (text wins over picture) on `box`; false when none is requested.
/// The request is cleared once the fit has run, so that the next scale scales.
bool runRequestedFit(CommandKind kind, int32_t box);

} // namespace amplex
