// Records handed out, transforms waiting to be applied, and host command state.
#include "host/model/items/item_session.h"

namespace host::model {

xt::BoxRecord* RecordPool::add(int32_t item, const xt::BoxRecord& record)
{
    auto copy = std::make_unique<xt::BoxRecord>(record);
    xt::BoxRecord* pointer = copy.get();
    m_records.emplace(pointer, Entry{std::move(copy), item});
    return pointer;
}

std::optional<int32_t> RecordPool::sourceOf(const void* record) const
{
    auto found = m_records.find(record);
    if (found == m_records.end())
        return std::nullopt;
    return found->second.item;
}

bool RecordPool::release(const void* record)
{
    return m_records.erase(record) > 0;
}

int32_t PendingTransforms::add(const PendingTransform& pending)
{
    if (m_waiting.size() == kKept)
        m_waiting.pop_front();
    const int32_t context = m_next++;
    m_waiting.emplace_back(context, pending);
    return context;
}

std::optional<PendingTransform> PendingTransforms::take(int32_t context)
{
    for (auto it = m_waiting.begin(); it != m_waiting.end(); ++it) {
        if (it->first != context)
            continue;
        PendingTransform pending = it->second;
        m_waiting.erase(it);
        return pending;
    }
    return std::nullopt;
}

bool Selection::addToBuilding(int32_t item)
{
    if (!m_buildingSet.insert(item).second)
        return false;
    m_building.push_back(item);
    return true;
}

void Selection::dropFromBuilding(int32_t item)
{
    if (m_buildingSet.erase(item) > 0)
        std::erase(m_building, item);
}

std::vector<int32_t> Selection::takeBuilding()
{
    m_buildingSet.clear();
    return std::exchange(m_building, {});
}

bool CommandState::closeBracket()
{
    if (m_brackets == 0)
        return false;
    --m_brackets;
    return true;
}

} // namespace host::model
