// The host's undoable steps: plug-ins open and close them (nested; the outermost close commits),
// the user undoes and redoes the last one. The host restores nothing itself; it only tells the
// step's creator (UndoMessage, RedoMessage).
#pragma once

#include <cstdint>
#include <optional>

#include "xtapi/types.h"

namespace host::model {

struct UndoStep {
    xt::XTensionId creator = 0;
    bool operator==(const UndoStep&) const = default;
};

class UndoSteps {
public:
    /// Opens a step, or a step inside the open one (which then owns it).
    void open(xt::XTensionId creator);
    /// Closes the innermost open step; closing the outermost commits it as the step Undo offers and
    /// withdraws Redo. False when no step is open.
    bool close();
    int32_t depth() const { return m_depth; }
    /// Closes steps until `depth` are left open; returns how many it closed.
    int32_t closeDownTo(int32_t depth);

    /// While a change that cannot be undone runs (UndoOp2958), no step is committed (nor the step open
    /// around it); its start withdraws the Undo offered before, since that step's items may change under it.
    void beginNotUndoable();
    void endNotUndoable();

    const std::optional<UndoStep>& undoable() const { return m_undo; }
    const std::optional<UndoStep>& redoable() const { return m_redo; }
    /// The step to undo, now offered for Redo; nullopt when there is none (or a step is open).
    std::optional<UndoStep> takeUndo();
    /// The step to redo, offered for Undo again.
    std::optional<UndoStep> takeRedo();

private:
    int32_t m_depth = 0;
    int32_t m_notUndoable = 0;
    bool m_tainted = false;
    UndoStep m_opening;
    std::optional<UndoStep> m_undo;
    std::optional<UndoStep> m_redo;
};

} // namespace host::model
