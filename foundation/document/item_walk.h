// Walking the items of a spread from front to back with the host's GetNextItem.
#pragma once

#include <cstdint>

namespace foundation {

/// The item after `item` on its spread (GetNextItem with `flags`), 0 after the last. A failing call
/// answers 0 as well, which would end a walk part-way unseen, so an end is confirmed by asking again.
int32_t confirmedNextItem(int32_t item, int32_t flags);

} // namespace foundation
