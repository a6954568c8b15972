// Reading what the user typed into the settings dialog's fields; a text that is no value keeps the
// value the field had.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace mockum {

/// The page typed into a From or To field, or `previous`.
int32_t readPageField(int32_t item, int32_t previous);
/// The size typed into the threshold field (points, above 0), or `previous`.
xt::Fixed readThresholdField(int32_t item, xt::Fixed previous);

} // namespace mockum
