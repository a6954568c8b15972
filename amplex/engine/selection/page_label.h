// The label box that step and repeat puts on each page it adds: the factor the page's copy used.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace amplex {

/// Puts a text box at 6, 6, 24, 60 pt on page `page` reading `factor` as a percentage ("75%").
/// Without a formatted text the box stays empty.
void addFactorLabel(int32_t page, xt::Fixed factor);

} // namespace amplex
