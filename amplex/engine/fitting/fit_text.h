// Fit Text to Box and Fit Text to Column: the text's attributes stepped until it just fits.
#pragma once

#include <cstdint>

namespace amplex {

/// "Fit Selection to Box" (`FitCommand` 1) or "Fit Story to Box" (2) on `box`: coarse 5 % steps
/// bracket the fit, fine 1 % steps (when a fine-tune switch is on) refine it, and the last phase
/// shrinks, so the text ends fitting. One host undo step; the user's selection is selected again.
void FitTextToBox(int32_t box);

} // namespace amplex
