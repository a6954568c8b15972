// Opening and closing the groups of the last scale around its undo and redo.
#include "amplex/commands/recorded_selection.h"

#include "amplex/engine/scalers/group_members.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding/binding.h"

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

} // namespace amplex
