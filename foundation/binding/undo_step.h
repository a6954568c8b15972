// One command, one undo step: a step that keeps the document's text and chains for the host to put
// back, open while the object lives. The host commits it only when the command changed something.
#pragma once

#include <cstdint>

#include "foundation/binding/binding.h"

namespace foundation {

class UndoStep {
public:
    /// The kind of step a text change is, as the host's Edit menu counts them.
    static constexpr int32_t kTextKind = 24;

    UndoStep() : m_open(xt::calls::OpenChainUndoStep(kTextKind) == 0) {}
    /// Closed on every way out of the command, so what it did before a refusal or a cancel is one step.
    ~UndoStep()
    {
        if (m_open)
            xt::calls::UndoOp2954();
    }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    bool m_open;
};

} // namespace foundation
