// Nested undo steps, their commit, and the single Undo/Redo pair the host's Edit menu offers.
#include "host/model/undo_steps.h"

#include <utility>

namespace host::model {

void UndoSteps::open(xt::XTensionId creator)
{
    openKeepingText(creator, nullptr);
}

void UndoSteps::openKeepingText(xt::XTensionId creator, std::shared_ptr<KeptText> text)
{
    if (m_depth++ != 0)
        return;
    if (m_openingWatcher)
        m_openingWatcher();
    m_opening = UndoStep{creator, std::move(text)};
}

bool UndoSteps::close()
{
    if (m_depth == 0)
        return false;
    if (--m_depth > 0)
        return true;
    if (m_opening.kept) {
        m_opening.kept->stories.open = false;
        if (m_opening.kept->chains)
            closeKeptChains(*m_opening.kept->chains);
    }
    if (std::exchange(m_tainted, false) || m_notUndoable > 0)
        return true;
    m_undo = m_opening;
    m_redo.reset();
    ++m_commits;
    return true;
}

void UndoSteps::dropOpening()
{
    if (m_depth > 0)
        m_tainted = true;
}

int32_t UndoSteps::closeDownTo(int32_t depth)
{
    int32_t closed = 0;
    while (m_depth > depth && close())
        ++closed;
    return closed;
}

void UndoSteps::beginNotUndoable()
{
    // A step open around the change would offer an Undo that cannot restore it.
    if (m_depth > 0)
        m_tainted = true;
    if (m_notUndoable++ == 0) {
        m_undo.reset();
        m_redo.reset();
    }
}

void UndoSteps::endNotUndoable()
{
    if (m_notUndoable > 0)
        --m_notUndoable;
}

std::optional<UndoStep> UndoSteps::takeUndo()
{
    if (m_depth > 0 || !m_undo)
        return std::nullopt;
    m_redo = std::exchange(m_undo, std::nullopt);
    return m_redo;
}

std::optional<UndoStep> UndoSteps::takeRedo()
{
    if (m_depth > 0 || !m_redo)
        return std::nullopt;
    m_undo = std::exchange(m_redo, std::nullopt);
    return m_undo;
}

} // namespace host::model
