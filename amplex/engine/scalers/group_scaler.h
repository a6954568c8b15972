// Scaling a group: every member about one common origin, then the group put together again.
#pragma once

#include <cstdint>

namespace amplex {

/// Scales the current item, a group (or the pseudo-group of a selection of several items, or a
/// table). Returns the group's reference after the scale, which may be a new one.
int32_t ScaleGroup();

/// Scales a group anchored in a story: its members are recorded as anchored items and the group is
/// not taken apart the way a selected group is. Returns the current item after the scale.
int32_t ScaleGroupItems(int32_t group);

} // namespace amplex
