// The undo list: entries in host handles, linked in recording order.
#include "amplex/undo/undo_list.h"

#include <cstring>

#include "foundation/binding.h"
#include "foundation/host_failures.h"

namespace amplex {
namespace {

void setNext(xt::Handle entry, xt::Handle next)
{
    xt::calls::LockHandle(entry);
    xt::writeAt(*entry, next, offsetof(UndoEntry, next));
    xt::calls::UnlockHandle(entry);
}

} // namespace

UndoList& undoList()
{
    static UndoList list;
    return list;
}

void UndoList::append(xt::Handle entry)
{
    if (m_tail)
        setNext(m_tail, entry);
    else
        m_head = entry;
    m_tail = entry;
}

void UndoList::freeEntries()
{
    xt::Handle entry = m_head;
    while (entry) {
        const auto copy = readUndoEntry(entry);
        xt::Handle next = copy ? copy->next : nullptr;
        if (copy)
            freeRunNodes(*copy);
        xt::calls::DisposeHandle(entry);
        entry = next;
    }
    m_head = nullptr;
    m_tail = nullptr;
}

void UndoList::clearGroups()
{
    m_ungrouped.clear();
    m_regrouped.clear();
}

void ClearUndo()
{
    undoList().freeEntries();
    undoList().clearGroups();
}

std::optional<UndoEntry> readUndoEntry(xt::Handle entry)
{
    if (!entry || !*entry)
        return std::nullopt;
    const int32_t size = xt::calls::GetHandleSize(entry);
    // An entry the host cannot measure ends the walk early, and the items after it are not restored.
    if (size < 0)
        foundation::noteHostFailure();
    if (size < static_cast<int32_t>(sizeof(UndoEntry)))
        return std::nullopt;
    UndoEntry copy;
    xt::calls::LockHandle(entry);
    std::memcpy(&copy, *entry, sizeof copy);
    xt::calls::UnlockHandle(entry);
    return copy;
}

std::vector<UndoEntry> undoEntries()
{
    std::vector<UndoEntry> entries;
    for (auto entry = readUndoEntry(undoList().head()); entry; entry = readUndoEntry(entry->next))
        entries.push_back(*entry);
    return entries;
}

void freeRunNodes(const UndoEntry& entry)
{
    for (CharRunNode* node = entry.charRuns; node;) {
        CharRunNode* next = node->next;
        xt::calls::DisposePointer(node);
        node = next;
    }
    for (ParaRunNode* node = entry.paraRuns; node;) {
        ParaRunNode* next = node->next;
        if (node->hasTabs && node->tabs.entries)
            xt::calls::DisposeHandle(node->tabs.entries);
        xt::calls::DisposePointer(node);
        node = next;
    }
}

} // namespace amplex
