// Host calls that fail while Mockum changes a document. The engine notes them and goes on, as the
// host's own commands do; the command then tells the user, since the text is not all as asked.
#pragma once

#include <cstdint>

namespace mockum {

/// Notes `status` when it is a failure and returns it.
int32_t watched(int32_t status);
/// Notes a failure the caller found itself (a null block, a handle the host could not give).
void noteHostFailure();

/// Whether a host call failed since the watch began.
class HostFailureWatch {
public:
    HostFailureWatch();
    bool failed() const;

private:
    int64_t m_start;
};

/// Tells the user that part of the command could not be done, when `watch` saw a failure.
void reportFailures(const HostFailureWatch& watch);

} // namespace mockum
