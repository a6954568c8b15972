// The plug-in's one command state.
#include "amplex/commands/command_state.h"

namespace amplex {

void CommandState::setDialogPages(xt::Fixed first, xt::Fixed last)
{
    m_dialogPages[0] = first;
    m_dialogPages[1] = last;
}

void CommandState::setCurrentBoxKinds(bool text, bool picture)
{
    m_currentIsTextBox = text;
    m_currentIsPictureBox = picture;
}

CommandState& commandState()
{
    static CommandState state;
    return state;
}

} // namespace amplex
