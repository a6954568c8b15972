// Lets a test make the n-th call of a host operation (or a set-up record function) fail, and counts calls.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

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
    /// Every operation called so far, with its count (the fault sweep plans one failure per call).
    const std::map<std::string, int32_t, std::less<>>& calls() const;

    /// Counts the call and says whether it is to fail. Called by the host's operation entries;
    /// `name` must be a literal, since its address keys the count.
    bool shouldFail(std::string_view name);

private:
    struct Plan {
        int32_t countdown = 0; // calls until the failing one; 0: no failure planned
        bool sticky = false;   // keep failing after the first failure
        bool failing = false;
    };
    /// Every host call passes here, so calls are counted by the address of the name's text (the
    /// names are literals) and gathered by name only when someone asks.
    struct Count {
        size_t length = 0;
        int32_t calls = 0;
    };
    std::unordered_map<const char*, Count> m_counts;
    mutable std::map<std::string, int32_t, std::less<>> m_calls;
    mutable bool m_callsStale = false;
    std::map<std::string, Plan, std::less<>> m_plans;
};

} // namespace host::api
