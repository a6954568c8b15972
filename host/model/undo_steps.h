// The host's undoable steps: plug-ins open and close them (nested; the outermost close commits),
// the user undoes and redoes the last one. For most steps the host restores nothing itself; it only
// tells the step's creator (UndoMessage, RedoMessage). A step that keeps text holds the stories of a
// layout that it changed, as they were before it, and the host exchanges them with the layout's itself.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "host/model/text/kept_chains.h"
#include "host/model/text/story_store.h"
#include "xtapi/types.h"

namespace host::model {

/// The stories of a layout that a text step changed: as they were before it until it is undone, as
/// they were after it once it is (Undo and Redo exchange them with the layout's).
struct KeptText {
    xt::DocumentRef layout = 0;
    KeptStories stories;
    /// Set for a step that keeps the chains and data blocks it changes too (the stories then come back
    /// from here, with the boxes that show them, not from `stories`).
    std::shared_ptr<KeptChains> chains;
};

struct UndoStep {
    xt::XTensionId creator = 0;
    /// Set for a step the host undoes itself.
    std::shared_ptr<KeptText> kept;
    bool operator==(const UndoStep&) const = default;
};

class UndoSteps {
public:
    /// Opens a step, or a step inside the open one (which then owns it).
    void open(xt::XTensionId creator);
    /// Opens a step as `open` does; an outermost one keeps `text` for the host to put back.
    void openKeepingText(xt::XTensionId creator, std::shared_ptr<KeptText> text);
    /// The text the open outermost step keeps, or null.
    KeptText* openText() const { return m_depth > 0 ? m_opening.kept.get() : nullptr; }
    /// Closes the innermost open step; closing the outermost commits it as the step Undo offers and
    /// withdraws Redo. False when no step is open.
    bool close();
    /// The open outermost step will not be committed when it closes (it changed nothing); the Undo
    /// offered before stays.
    void dropOpening();
    int32_t depth() const { return m_depth; }
    /// Closes steps until `depth` are left open; returns how many it closed.
    int32_t closeDownTo(int32_t depth);

    /// While a change that cannot be undone runs (UndoOp2958), no step is committed (nor the step open
    /// around it); its start withdraws the Undo offered before, since that step's items may change under it.
    void beginNotUndoable();
    void endNotUndoable();

    /// How many steps have been committed since the host started: a command that adds to it made a step.
    uint64_t commitCount() const { return m_commits; }
    /// Called as each outermost step opens, before the change it holds is made (the undo check watches).
    void watchOpenings(std::function<void()> watcher) { m_openingWatcher = std::move(watcher); }

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
    uint64_t m_commits = 0;
    std::function<void()> m_openingWatcher;
};

} // namespace host::model
