// The failed host calls of one list action: noted as they happen, told to the user once at its end.
#pragma once

#include <cstdint>

namespace dotwise {

class HostFailures {
public:
    /// Notes a nonzero status; gives back whether the call succeeded.
    bool check(int32_t status);
    /// Notes a null answer; gives back whether there was one.
    bool present(const void* answer);
    bool any() const { return m_count > 0; }
    /// One warning for the whole action when any call failed.
    void report() const;

private:
    int32_t m_count = 0;
};

} // namespace dotwise
