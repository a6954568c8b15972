// The list of the last scale's undo entries, the groups that scale took apart and put together,
// and the flag that says an undo has just run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "amplex/undo/outside_state.h"
#include "amplex/undo/undo_entry.h"

namespace amplex {

/// The two states a scale's list holds: the items as they were before it (for undo) and as it left
/// them (for redo, which puts that state back rather than scaling again).
enum class UndoSide : uint8_t { Before = 0, After = 1 };

class UndoList {
public:
    bool empty() const { return m_chains[0].head == nullptr; }
    xt::Handle head(UndoSide side = UndoSide::Before) const { return chain(side).head; }
    /// Links an entry's handle after the last one of the side being recorded; the list owns it from then on.
    void append(xt::Handle entry);
    /// Frees every entry with its run nodes (`FreeUndoList`), of both sides.
    void freeEntries();

    /// From here on entries and outside states are recorded as the state the scale left.
    void beginStateAfter();
    /// The side that restoring reads: Before while undo runs, After while redo runs.
    UndoSide restoring() const { return m_restoring; }
    void setRestoring(UndoSide side) { m_restoring = side; }

    /// A shadow or table grid that the recorded scale changes outside the item's record.
    void noteOutside(OutsideState state) { m_outside[index(m_recording)].push_back(std::move(state)); }
    const std::vector<OutsideState>& outside(UndoSide side) const { return m_outside[index(side)]; }

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
    struct Chain {
        xt::Handle head = nullptr;
        xt::Handle tail = nullptr;
    };
    static size_t index(UndoSide side) { return static_cast<size_t>(side); }
    const Chain& chain(UndoSide side) const { return m_chains[index(side)]; }

    Chain m_chains[2];
    std::vector<OutsideState> m_outside[2];
    UndoSide m_recording = UndoSide::Before;
    UndoSide m_restoring = UndoSide::Before;
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

/// Every entry of one side of the list, in recording order.
std::vector<UndoEntry> undoEntries(UndoSide side = UndoSide::Before);

/// Records every item of the list again, with the shadows and tables noted, as the scale left them.
void recordStateAfterScale();

/// Frees the run nodes an entry owns (and the tab stops they hold).
void freeRunNodes(const UndoEntry& entry);

} // namespace amplex
