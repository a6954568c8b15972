// Scaling an item's drop shadow with the item.
#pragma once

#include <cstdint>

#include "xtapi/drop_shadow.h"

namespace amplex {

/// The single factor a shadow is scaled by: the smaller of the two, so it keeps its shape.
xt::Fixed shadowFactor(xt::Fixed horizontal, xt::Fixed vertical);

/// With `ScaleShadowOffsets` set, scales both offsets of the item's shadow by the smaller factor,
/// through the host's drop-shadow component. An item the component cannot read is left alone.
void ScaleDropShadow(int32_t item);

} // namespace amplex
