// The undo list: entries in host handles, linked in recording order.
#include "amplex/undo/undo_list.h"

#include <cstring>

#include "amplex/undo/record_item.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"

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
    Chain& chain = m_chains[index(m_recording)];
    if (chain.tail)
        setNext(chain.tail, entry);
    else
        chain.head = entry;
    chain.tail = entry;
}

void UndoList::freeEntries()
{
    for (Chain& chain : m_chains) {
        xt::Handle entry = chain.head;
        while (entry) {
            const auto copy = readUndoEntry(entry);
            xt::Handle next = copy ? copy->next : nullptr;
            if (copy)
                freeRunNodes(*copy);
            xt::calls::DisposeHandle(entry);
            entry = next;
        }
        chain = {};
    }
    for (auto& states : m_outside)
        states.clear();
    m_recording = UndoSide::Before;
    m_restoring = UndoSide::Before;
}

void UndoList::beginStateAfter()
{
    m_recording = UndoSide::After;
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

std::vector<UndoEntry> undoEntries(UndoSide side)
{
    std::vector<UndoEntry> entries;
    for (auto entry = readUndoEntry(undoList().head(side)); entry; entry = readUndoEntry(entry->next))
        entries.push_back(*entry);
    return entries;
}

void recordStateAfterScale()
{
    UndoList& list = undoList();
    if (list.empty())
        return;
    const std::vector<UndoEntry> before = undoEntries(UndoSide::Before);
    const std::vector<OutsideState> outside = list.outside(UndoSide::Before);
    // The state after is where the items are: no "Fit to" move is made again on the way back to it.
    const xt::FixedPoint fitOffset = list.fitOffset();
    list.setFitOffset({});
    list.beginStateAfter();
    for (const UndoEntry& entry : before)
        RecordItemForUndo(entry.item, static_cast<Anchored>(entry.AnchoredItem), static_cast<Replay>(entry.ReplayItem));
    // The items' shadows came with their entries; the tables, which have no entries, come here.
    for (const OutsideState& state : outside)
        if (state.table)
            if (auto now = readOutsideState(state.item, TableItem::Yes))
                list.noteOutside(std::move(*now));
    list.setFitOffset(fitOffset);
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
