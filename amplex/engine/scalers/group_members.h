// A group's member list as the host gives it, copied out of the host's handle.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace amplex {

/// The members of a real group or of the selection's pseudo-group, in the host's order; empty when
/// the host cannot give the list.
std::optional<std::vector<int32_t>> groupMembers(int32_t group);

/// Makes the items the selection: a single item becomes current, several are gathered into the
/// pseudo-group that stands for them.
void selectTogether(const std::vector<int32_t>& items);

/// Whether the table component reports the item as a table.
bool isTableItem(int32_t item);

/// Whether a kind-2 item is a real group rather than the pseudo-group that stands for a selection
/// of several items.
bool isRealGroup(int32_t group);

} // namespace amplex
