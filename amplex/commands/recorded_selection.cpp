// Opening, closing and selecting the groups and items of the last scale.
#include "amplex/commands/recorded_selection.h"

#include <algorithm>

#include "amplex/engine/scalers/group_members.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding.h"

namespace amplex {
namespace {

std::vector<int32_t> membersOf(int32_t group)
{
    return groupMembers(group).value_or(std::vector<int32_t>{});
}

int32_t formGroup(const OpenedGroup& opened)
{
    selectTogether(opened.members);
    if (int32_t* slot = xt::calls::ItemOp207())
        *slot = opened.group;
    const int32_t formed = xt::calls::XgsOp3970(opened.group, 1);
    const int32_t group = formed > 0 ? formed : opened.group;
    xt::calls::XgsOp712(group, 1);
    return group;
}

} // namespace

std::vector<OpenedGroup> openRecordedGroups()
{
    std::vector<OpenedGroup> opened;
    for (const int32_t group : undoList().ungroupedGroups()) {
        if (xt::calls::IsGroup(group) == 0)
            continue;
        opened.push_back({group, membersOf(group)});
        xt::calls::XgsOp711(group);
    }
    return opened;
}

void closeRecordedGroups(const std::vector<OpenedGroup>& groups)
{
    std::vector<int32_t> formed;
    for (const OpenedGroup& opened : groups)
        formed.push_back(opened.members.empty() ? opened.group : formGroup(opened));
    if (formed == undoList().ungroupedGroups())
        return;
    // The host gave some group a new reference: the list names the groups as they are now.
    const std::vector<int32_t> regrouped = undoList().regroupedGroups();
    undoList().clearGroups();
    for (const int32_t group : formed)
        undoList().noteUngroupedGroup(group);
    for (const int32_t group : regrouped)
        undoList().noteRegroupedGroup(group);
}

void selectRecordedItems(const std::vector<UndoEntry>& entries)
{
    std::vector<std::pair<int32_t, std::vector<int32_t>>> groups;
    for (const int32_t group : undoList().ungroupedGroups())
        if (xt::calls::IsGroup(group) != 0)
            groups.emplace_back(group, membersOf(group));
    std::vector<int32_t> items;
    for (const UndoEntry& entry : entries) {
        // Anchored items move with their story, and the cells of a table are scaled one by one after it.
        if (entry.AnchoredItem != 0 || entry.ReplayItem != 0)
            continue;
        int32_t item = entry.item;
        for (const auto& [group, members] : groups)
            if (std::find(members.begin(), members.end(), item) != members.end())
                item = group;
        if (std::find(items.begin(), items.end(), item) == items.end())
            items.push_back(item);
    }
    if (!items.empty())
        selectTogether(items);
}

} // namespace amplex
