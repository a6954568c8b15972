// Snapping a scaled point size to the step the user chose in the settings.
#pragma once

#include "xtapi/types.h"

namespace amplex {

/// Snaps a point size to the live settings' `RoundFontsStep`.
xt::Fixed RoundFontSize(xt::Fixed size);

} // namespace amplex
