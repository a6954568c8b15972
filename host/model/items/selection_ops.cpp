// The current item, selections of several items (a pseudo-group), and grouping a selection.
#include "host/model/limits.h"
#include "host/model/items/item_store.h"

#include <algorithm>
#include <unordered_set>

namespace host::model {
namespace {

bool isRealGroup(const Item* item)
{
    return item && item->groupRole() == GroupRole::Group;
}

/// Whether `ref` is among the members gathered so far. Selections are mostly short and made one
/// after another, so a short list is searched and only a long one builds a set.
bool gatheredAlready(const std::vector<int32_t>& members, std::unordered_set<int32_t>& seen, int32_t ref)
{
    constexpr size_t kSearched = 16;
    if (members.size() < kSearched)
        return std::find(members.begin(), members.end(), ref) != members.end();
    if (seen.empty())
        seen.insert(members.begin(), members.end());
    return !seen.insert(ref).second;
}

} // namespace

int32_t ItemStore::current() const
{
    const int32_t ref = m_selection.rawCurrent();
    return find(ref) ? ref : 0;
}

bool ItemStore::select(int32_t ref)
{
    if (ref != 0 && !find(ref))
        return false;
    m_selection.setCurrent(ref);
    return true;
}

Item& ItemStore::newPseudoGroup(const std::vector<int32_t>& members)
{
    if (m_selection.multi() != 0)
        forget(m_selection.multi());
    auto multi = std::make_unique<Item>(m_references->next(), find(members[0])->pageRef(), xt::BoxKind::Group, xt::shape::kRectangle);
    multi->setGroupRole(GroupRole::Selection, members);
    Item& added = m_items.insert(std::move(multi));
    m_selection.setMulti(added.ref());
    return added;
}

int32_t ItemStore::selectItems(const std::vector<int32_t>& items)
{
    std::vector<int32_t> members;
    members.reserve(items.size());
    std::unordered_set<int32_t> seen;
    for (int32_t ref : items) {
        const Item* item = find(ref);
        if (!item || item->groupRole() == GroupRole::Selection || gatheredAlready(members, seen, ref))
            continue;
        members.push_back(ref);
    }
    // A selection the plug-ins could not count is not made; the host's commands say so first.
    if (members.size() > kMostSelectedItems)
        members.clear();
    if (members.size() < 2) {
        m_selection.setCurrent(members.empty() ? 0 : members[0]);
        return current();
    }
    const Item* latest = find(m_selection.multi());
    const int32_t multi = latest && latest->members() == members ? latest->ref() : newPseudoGroup(members).ref();
    m_selection.setCurrent(multi);
    return multi;
}

int32_t ItemStore::gather(int32_t item, bool last)
{
    if (find(item))
        m_selection.addToBuilding(item);
    if (!last)
        return current();
    return selectItems(m_selection.takeBuilding());
}

int32_t ItemStore::groupSelection(int32_t requested)
{
    Item* reopened = find(requested);
    if (isRealGroup(reopened) && reopened->isOpen()) {
        reopened->setOpen(false);
        m_selection.setCurrent(requested);
        return requested;
    }
    const Item* multi = find(current());
    if (!multi || multi->groupRole() != GroupRole::Selection)
        return 0;
    const std::vector<int32_t> members = multi->members();
    Item* group = addGroup(members);
    if (!group)
        return 0;
    forget(multi->ref());
    m_selection.setCurrent(group->ref());
    return group->ref();
}

bool ItemStore::ungroupToSelection(int32_t group)
{
    Item* item = find(group);
    if (!isRealGroup(item))
        return false;
    item->setOpen(true);
    selectItems(item->members());
    return true;
}

bool ItemStore::closeAndSelect(int32_t group)
{
    Item* item = find(group);
    if (!item || !item->isGroupKind())
        return false;
    item->setOpen(false);
    m_selection.setCurrent(group);
    return true;
}

} // namespace host::model
