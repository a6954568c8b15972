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
    auto found = m_calls.find(name);
    return found == m_calls.end() ? 0 : found->second;
}

bool FaultInjector::shouldFail(std::string_view name)
{
    auto call = m_calls.find(name);
    if (call == m_calls.end())
        call = m_calls.emplace(std::string(name), 0).first;
    ++call->second;

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
