// Host calls that fail while Amplex changes a document. The engine notes them as they come and
// goes on, as the host's own commands do; the command that ran it then tells the user, since a
// change the host refused part way leaves the document other than the user asked.
#pragma once

#include <cstdint>

namespace amplex {

/// Hands `status` to HostResult3184, as the host expects of a status its operations return, and
/// notes it when it is a failure.
void reportHostResult(int32_t status);

/// Notes `status` when it is a failure and returns it, for a caller that tests it itself.
int32_t watched(int32_t status);

/// Notes a failure the caller found itself (a record or a block the host could not give).
void noteHostFailure();

/// Notes a null answer from an operation that was asked for a record or a block, and returns it.
template <class T>
T* watchedAnswer(T* answer)
{
    if (answer == nullptr)
        noteHostFailure();
    return answer;
}

/// Whether a host call failed since the watch began.
class HostFailureWatch {
public:
    HostFailureWatch();
    bool failed() const;

private:
    int64_t m_start;
};

} // namespace amplex
