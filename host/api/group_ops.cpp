// Groups and selections of several items: member lists, opening and closing a group, grouping
// the selection, and building a selection item by item.
#include <cstring>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "win32/standin.h"

namespace host::api {
namespace {

const model::Item* findGroupKind(int32_t ref)
{
    const model::Item* item = findItem(ref);
    return item && item->isGroupKind() ? item : nullptr;
}

/// A new handle, the caller's to dispose, of the members' 32-bit references: a selection's in the order
/// the user chose them (Select All: back to front), a group's in the order it was made.
int32_t GroupOp720(int32_t group, xt::Handle* list, int16_t* count)
{
    const model::Item* item = findGroupKind(group);
    if (!item || !list || !count)
        return -1;
    const auto& members = item->members();
    const auto size = static_cast<int32_t>(members.size() * sizeof(int32_t));
    xt::Handle handle = win32::newHandle(size);
    if (!handle)
        return -1;
    if (size > 0)
        std::memcpy(*handle, members.data(), static_cast<size_t>(size));
    *list = handle;
    *count = static_cast<int16_t>(members.size());
    return 0;
}

/// Opens a real group so that its members can be changed one by one; other group-kind items need nothing.
int32_t XgsOp711(int32_t group)
{
    model::Item* item = findItem(group);
    if (!item || !item->isGroupKind())
        return -1;
    if (item->groupRole() == model::GroupRole::Group)
        item->setOpen(true);
    return 0;
}

int32_t XgsOp712(int32_t group, int32_t)
{
    model::ItemStore* items = currentItems();
    return items && items->closeAndSelect(group) ? 0 : -1;
}

/// The group made current: `requested` again when it is an open group, else a new group of the
/// selected items.
int32_t XgsOp3970(int32_t requested, int32_t)
{
    model::ItemStore* items = currentItems();
    const int32_t group = items ? items->groupSelection(requested) : 0;
    return group != 0 ? group : -1;
}

int32_t XgsOp3971(int32_t group)
{
    model::ItemStore* items = currentItems();
    return items && items->ungroupToSelection(group) ? 0 : -1;
}

/// Adds `item` to the selection being built; `last` nonzero finishes it. Returns the current item.
int32_t GetGroupItem(int32_t, int32_t item, int32_t last)
{
    model::ItemStore* items = currentItems();
    return items ? items->gather(item, last != 0) : 0;
}

int32_t GetGroupItemCount(int32_t group)
{
    const model::Item* item = findGroupKind(group);
    return item ? static_cast<int32_t>(item->members().size()) : 0;
}

int32_t IsGroup(int32_t item)
{
    const model::Item* found = findItem(item);
    return found && found->groupRole() == model::GroupRole::Group ? 1 : 0;
}

} // namespace

void registerGroupOps(OperationRegistry& registry)
{
    registry.add<xt::op::GroupOp720, &GroupOp720>();
    registry.add<xt::op::XgsOp711, &XgsOp711>();
    registry.add<xt::op::XgsOp712, &XgsOp712>();
    registry.add<xt::op::XgsOp3970, &XgsOp3970>();
    registry.add<xt::op::XgsOp3971, &XgsOp3971>();
    registry.add<xt::op::GetGroupItem, &GetGroupItem>();
    registry.add<xt::op::GetGroupItemCount, &GetGroupItemCount>();
    registry.add<xt::op::IsGroup, &IsGroup>();
}

} // namespace host::api
