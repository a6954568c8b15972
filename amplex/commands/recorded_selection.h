// The groups that a scale opened, taken apart and put together again around its undo and redo.
#pragma once

#include <cstdint>
#include <vector>

#include "amplex/undo/undo_entry.h"

namespace amplex {

/// A real group that the scale opened to scale its members, with the members it had.
struct OpenedGroup {
    int32_t group = 0;
    std::vector<int32_t> members;
};

/// Opens each group of the undo list's `UngroupedGroups` that is still a group.
std::vector<OpenedGroup> openRecordedGroups();

/// Forms each opened group again from its members; the list keeps the groups' new references.
void closeRecordedGroups(const std::vector<OpenedGroup>& groups);

} // namespace amplex
