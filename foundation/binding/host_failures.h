// Host calls that fail while a plug-in changes a document. Every typed call notes its own failure, by the
// way xtapi/operations.def says the operation fails, and the plug-in goes on, as the host's own commands
// do; the command that ran it then reads its HostFailureWatch and tells the user, since a change the host
// refused part way leaves the document other than the user asked.
#pragma once

#include <cstdint>

#include "xtapi/operations.h"

namespace foundation {

/// Hands `status` to HostResult3184, as the host expects of a status its operations return.
void reportHostResult(int32_t status);

/// Notes `status` when it is a failure and returns it: for a status the binding does not see, such as
/// a host component's answer or one a helper passes on.
int32_t watched(int32_t status);

/// Notes a failure the caller found itself (a record or a block the host gave short, say).
void noteHostFailure();

/// Notes `result` when the operation's column says it is a failure: the binding calls this after each call.
template <xt::Fails Failure, class Ret>
void noteIfFailed(const Ret& result)
{
    if constexpr (Failure == xt::Fails::status) {
        if (result != 0)
            noteHostFailure();
    } else if constexpr (Failure == xt::Fails::null) {
        if (result == Ret{})
            noteHostFailure();
    } else if constexpr (Failure == xt::Fails::negative) {
        if (result < 0)
            noteHostFailure();
    }
}

/// Whether a host call failed since the watch began.
class HostFailureWatch {
public:
    HostFailureWatch();
    bool failed() const;

private:
    int64_t m_start;
};

} // namespace foundation
