// Lets a test make the n-th call of a host operation (or a set-up record function) fail, and counts calls.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

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

    /// Counts the call and says whether it is to fail. `name` must be a literal, since its address
    /// keys the count.
    bool shouldFail(std::string_view name) { return shouldFail(nameId(name)); }
    /// The same for a name already numbered: the host's operation entries number theirs once.
    bool shouldFail(uint32_t nameId)
    {
        // Every host call passes here: counting is one increment, and a failure is looked for only
        // while one is planned.
        if (nameId >= m_counts.size())
            m_counts.resize(nameId + 1);
        ++m_counts[nameId];
        m_callsStale = true;
        return !m_plans.empty() && plannedFailure(nameId);
    }
    /// A small number for the literal `name`, the same in every host of the process.
    static uint32_t nameId(std::string_view name);

private:
    bool plannedFailure(uint32_t nameId);

    struct Plan {
        int32_t countdown = 0; // calls until the failing one; 0: no failure planned
        bool sticky = false;   // keep failing after the first failure
        bool failing = false;
    };
    /// Every host call passes here, so its count is a slot in an array indexed by the name's number;
    /// counts are gathered by name only when someone asks.
    std::vector<int32_t> m_counts;
    mutable std::map<std::string, int32_t, std::less<>> m_calls;
    mutable bool m_callsStale = false;
    std::map<std::string, Plan, std::less<>> m_plans;
};

} // namespace host::api
