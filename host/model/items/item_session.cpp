// Records handed out, transforms waiting to be applied, and host command state.
#include "host/model/items/item_session.h"

#include <algorithm>

namespace host::model {

xt::BoxRecord* RecordPool::add(int32_t item)
{
    Slot* slot = nullptr;
    if (m_spare.empty()) {
        auto made = std::make_unique<Slot>();
        slot = made.get();
        m_slots.emplace(&slot->record, std::move(made));
    } else {
        slot = m_spare.back();
        m_spare.pop_back();
    }
    slot->item = item;
    slot->live = true;
    ++m_live;
    return &slot->record;
}

xt::BoxRecord* RecordPool::add(int32_t item, const xt::BoxRecord& record)
{
    xt::BoxRecord* added = add(item);
    *added = record;
    return added;
}

std::optional<int32_t> RecordPool::sourceOf(const void* record) const
{
    auto found = m_slots.find(record);
    if (found == m_slots.end() || !found->second->live)
        return std::nullopt;
    return found->second->item;
}

bool RecordPool::release(const void* record)
{
    auto found = m_slots.find(record);
    if (found == m_slots.end() || !found->second->live)
        return false;
    --m_live;
    if (m_spare.size() == kSpareKept) {
        m_slots.erase(found);
        return true;
    }
    found->second->live = false;
    m_spare.push_back(found->second.get());
    return true;
}

int32_t PendingTransforms::add(const PendingTransform& pending)
{
    if (m_waiting.size() == kKept)
        m_waiting.erase(m_waiting.begin());
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
    if (isBuilding(item))
        return false;
    m_building.push_back(item);
    if (!m_buildingSet.empty())
        m_buildingSet.insert(item);
    return true;
}

bool Selection::isBuilding(int32_t item)
{
    // Selections are gathered a few items at a time; only a long one is worth a set.
    constexpr size_t kSearched = 16;
    if (m_building.size() < kSearched)
        return std::find(m_building.begin(), m_building.end(), item) != m_building.end();
    if (m_buildingSet.empty())
        m_buildingSet.insert(m_building.begin(), m_building.end());
    return m_buildingSet.count(item) > 0;
}

void Selection::dropFromBuilding(int32_t item)
{
    m_buildingSet.erase(item);
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
