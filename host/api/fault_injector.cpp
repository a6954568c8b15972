// Planned failures of host operations, and call counts.
#include "host/api/fault_injector.h"

#include <unordered_map>

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

namespace {

/// The literals numbered so far, by number, and the numbers by the literals' addresses.
struct NameTable {
    std::vector<std::string_view> names;
    std::unordered_map<const char*, uint32_t> ids;
};

NameTable& nameTable()
{
    static NameTable table;
    return table;
}

} // namespace

uint32_t FaultInjector::nameId(std::string_view name)
{
    NameTable& table = nameTable();
    const auto [found, added] = table.ids.emplace(name.data(), static_cast<uint32_t>(table.names.size()));
    if (added)
        table.names.push_back(name);
    return found->second;
}

const std::map<std::string, int32_t, std::less<>>& FaultInjector::calls() const
{
    if (!m_callsStale)
        return m_calls;
    m_calls.clear();
    const auto& names = nameTable().names;
    for (size_t id = 0; id < m_counts.size(); ++id) {
        if (m_counts[id] != 0)
            m_calls[std::string(names[id])] += m_counts[id];
    }
    m_callsStale = false;
    return m_calls;
}

bool FaultInjector::plannedFailure(uint32_t nameId)
{
    auto found = m_plans.find(nameTable().names[nameId]);
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
