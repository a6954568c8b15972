// The members of a group or of a selection of several items, as the host lists them.
#pragma once

#include <cstdint>
#include <vector>

#include "threadix/engine/chain_work.h"

namespace threadix {

/// The items of `group` (a selection's in the order they were chosen), read with the item tool and the
/// document's groups readied; the content tool is chosen again afterwards.
std::vector<int32_t> groupMembers(const WorkPlace& place, int32_t group);

/// Shows the page of `box` in the kept window, as the user would see the work.
void showPageOf(const WorkPlace& place, int32_t box);

} // namespace threadix
