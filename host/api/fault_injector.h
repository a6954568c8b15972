// Lets a test make the n-th call of a host operation (or a set-up record function) fail, and counts calls.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace host::api {

class FaultInjector {
public:
    /// The n-th call from now (n >= 1) of the named operation fails. Names are the contract's
    /// ("NewHandle", "CreateFile") or a record function's ("AcquireHostInterface", "ReserveWindowIds").
    void failNth(std::string_view name, int32_t n);
    /// Every call from the n-th on fails, until clear().
    void failFrom(std::string_view name, int32_t n);
    void clear();

    /// How many calls of the named operation the host has seen since it started.
    int32_t callCount(std::string_view name) const;

    /// Counts the call and says whether it is to fail. Called by the host's operation entries.
    bool shouldFail(std::string_view name);

private:
    struct Plan {
        int32_t countdown = 0; // calls until the failing one; 0: no failure planned
        bool sticky = false;   // keep failing after the first failure
        bool failing = false;
    };
    std::map<std::string, int32_t, std::less<>> m_calls;
    std::map<std::string, Plan, std::less<>> m_plans;
};

} // namespace host::api
