// A guide list as the host hands it out (GuideOp2627, and the guide event's block): two 16-bit counts,
// then the vertical guides' entries and the horizontal ones', each position 1 pt higher than its place.
#pragma once

#include <cstdint>
#include <vector>

#include "host/model/guides.h"

namespace host::model {

std::vector<uint8_t> exportedGuideList(const GuideStore& guides, GuideListKey key);

} // namespace host::model
