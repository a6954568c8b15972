// Amplex's XTension id: its name to the host, and the creator of its settings files and undo steps.
#pragma once

#include "xtapi/types.h"

namespace amplex {

inline constexpr xt::XTensionId kAmplexId = xt::fourCC("BBRO");

} // namespace amplex
