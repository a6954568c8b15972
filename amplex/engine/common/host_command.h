// Host menu commands run by number, as the user would choose them.
#pragma once

#include <cstdint>

#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"

namespace amplex {

enum HostCommand : int32_t {
    CommandCopy = 205,
    CommandPaste = 206,
    CommandSelectAllOnPage = 210,
    CommandStepAndRepeat = 506,
};

/// True when the host ran the command.
inline bool runHostCommand(HostCommand command)
{
    xt::calls::XmoOp832(1);
    return xt::calls::XaqOp2966(command) == 0;
}

} // namespace amplex
