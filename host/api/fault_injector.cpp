// Planned failures of host operations, and call counts.
#include "host/api/fault_injector.h"

namespace host::api {

void FaultInjector::failNth(std::string_view name, int32_t n)
{
    m_plans[std::string(name)] = Plan{n > 0 ? n : 1, false, false};
}

void FaultInjector::failFrom(std::string_view name, int32_t n)
{
    m_plans[std::string(name)] = Plan{n > 0 ? n : 1, true, false};
}

void FaultInjector::clear()
{
    m_plans.clear();
}

int32_t FaultInjector::callCount(std::string_view name) const
{
    auto found = calls().find(name);
    return found == calls().end() ? 0 : found->second;
}

const std::map<std::string, int32_t, std::less<>>& FaultInjector::calls() const
{
    if (!m_callsStale)
        return m_calls;
    m_calls.clear();
    for (const auto& [text, count] : m_counts)
        m_calls[std::string(text, count.length)] += count.calls;
    m_callsStale = false;
    return m_calls;
}

bool FaultInjector::shouldFail(std::string_view name)
{
    Count& count = m_counts[name.data()];
    count.length = name.size();
    ++count.calls;
    m_callsStale = true;
    if (m_plans.empty())
        return false;

    auto found = m_plans.find(name);
    if (found == m_plans.end())
        return false;
    Plan& plan = found->second;
    if (plan.failing)
        return true;
    if (--plan.countdown > 0)
        return false;
    if (plan.sticky)
        plan.failing = true;
    else
        m_plans.erase(found);
    return true;
}

} // namespace host::api
