// The list of the last scale's undo entries, the groups that scale took apart and put together,
// and the flag that says an undo has just run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "amplex/undo/undo_entry.h"

namespace amplex {

class UndoList {
public:
    bool empty() const { return m_head == nullptr; }
    xt::Handle head() const { return m_head; }
    /// Links an entry's handle after the last one; the list owns it from then on.
    void append(xt::Handle entry);
    /// Frees every entry with its run nodes (`FreeUndoList`).
    void freeEntries();

    /// `UngroupedGroups`: the real groups a scale took apart to scale their members.
    const std::vector<int32_t>& ungroupedGroups() const { return m_ungrouped; }
    void noteUngroupedGroup(int32_t group) { m_ungrouped.push_back(group); }
    /// `RegroupedGroups`: the items undo hands back to the host to put together again (tables).
    /// The lists grow as needed, so no entry is ever written over.
    const std::vector<int32_t>& regroupedGroups() const { return m_regrouped; }
    void noteRegroupedGroup(int32_t item) { m_regrouped.push_back(item); }
    void clearGroups();

    /// `FitOffset` (dy, dx): how far a fitting command moved the selection; each entry recorded keeps it.
    xt::FixedPoint fitOffset() const { return m_fitOffset; }
    void setFitOffset(xt::FixedPoint offset) { m_fitOffset = offset; }

    /// `UndoReplayActive`: set by undo, cleared by the redo that follows and by every scale command.
    bool replayActive() const { return m_replayActive; }
    void setReplayActive(bool on) { m_replayActive = on; }

private:
    xt::Handle m_head = nullptr;
    xt::Handle m_tail = nullptr;
    std::vector<int32_t> m_ungrouped;
    std::vector<int32_t> m_regrouped;
    xt::FixedPoint m_fitOffset{};
    bool m_replayActive = false;
};

/// The plug-in's one undo list.
UndoList& undoList();

/// Empties the undo list and both group lists before a new scale command.
void ClearUndo();

/// A copy of the entry in `entry`'s handle; empty for a null or short handle.
std::optional<UndoEntry> readUndoEntry(xt::Handle entry);

/// Every entry of the list, in recording order.
std::vector<UndoEntry> undoEntries();

/// Frees the run nodes an entry owns (and the tab stops they hold).
void freeRunNodes(const UndoEntry& entry);

} // namespace amplex
