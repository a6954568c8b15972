// The failed host calls of one list action: the foundation's watch notes them as they happen (the binding
// notes each failed call itself), and the action tells the user once at its end.
#pragma once

#include <cstdint>

#include "foundation/binding/host_failures.h"

namespace dotwise {

class HostFailures {
public:
    /// Gives back whether the call succeeded; the binding has noted a failure already.
    bool check(int32_t status) const { return status == 0; }
    /// Notes a null answer; gives back whether there was one.
    bool present(const void* answer) const;
    bool any() const { return m_watch.failed(); }
    /// One warning for the whole action when any call failed.
    void report() const;

private:
    foundation::HostFailureWatch m_watch;
};

} // namespace dotwise
