// Spread page items and the page-table records given out for them.
#include "host/model/pages/spread_page_items.h"

namespace host::model {

int32_t SpreadPageItems::itemOf(SpreadKey spread)
{
    const auto found = m_items.find(spread);
    if (found != m_items.end())
        return found->second;
    const int32_t item = m_references->next();
    m_items.emplace(spread, item);
    return item;
}

std::optional<SpreadKey> SpreadPageItems::spreadOf(int32_t item) const
{
    for (const auto& [spread, ref] : m_items) {
        if (ref == item)
            return spread;
    }
    return std::nullopt;
}

std::optional<SpreadKey> SpreadPageItems::recordOf(const void* record) const
{
    const auto found = m_records.find(record);
    return found == m_records.end() ? std::nullopt : std::optional(found->second);
}

} // namespace host::model
