// Data block holders and their references.
#include "host/model/data_blocks.h"

namespace host::model {

const DataBlock* DataBlockHolder::find(xt::FourLetterCode id) const
{
    auto found = m_blocks.find(id);
    return found == m_blocks.end() ? nullptr : &found->second;
}

int32_t DataBlockStore::holderRef(HolderKind kind, int32_t object)
{
    const auto key = std::make_pair(static_cast<uint8_t>(kind), object);
    auto found = m_byOwner.find(key);
    if (found != m_byOwner.end())
        return found->second;
    const int32_t ref = m_references->next();
    m_holders.emplace(ref, Entry{{kind, object}, {}});
    m_byOwner.emplace(key, ref);
    return ref;
}

DataBlockHolder* DataBlockStore::holder(int32_t ref)
{
    auto found = m_holders.find(ref);
    return found == m_holders.end() ? nullptr : &found->second.holder;
}

const DataBlockHolder* DataBlockStore::holder(HolderKind kind, int32_t object) const
{
    auto found = m_byOwner.find(std::make_pair(static_cast<uint8_t>(kind), object));
    return found == m_byOwner.end() ? nullptr : &m_holders.at(found->second).holder;
}

std::optional<DataBlockStore::Owner> DataBlockStore::ownerOf(int32_t ref) const
{
    auto found = m_holders.find(ref);
    if (found == m_holders.end())
        return std::nullopt;
    return found->second.owner;
}

void DataBlockStore::forgetObject(int32_t object)
{
    for (auto it = m_byOwner.begin(); it != m_byOwner.end();) {
        if (it->first.second != object) {
            ++it;
            continue;
        }
        m_holders.erase(it->second);
        it = m_byOwner.erase(it);
    }
}

std::vector<std::pair<DataBlockStore::Owner, const DataBlockHolder*>> DataBlockStore::filledHolders() const
{
    std::vector<std::pair<Owner, const DataBlockHolder*>> filled;
    for (const auto& [ref, entry] : m_holders) {
        if (!entry.holder.empty())
            filled.emplace_back(entry.owner, &entry.holder);
    }
    return filled;
}

} // namespace host::model
