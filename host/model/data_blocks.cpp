// Data block holders and their references.
#include "host/model/data_blocks.h"

namespace host::model {
namespace {

std::pair<uint8_t, int32_t> ownerKey(const DataBlockOwner& owner)
{
    return {static_cast<uint8_t>(owner.kind), owner.object};
}

} // namespace

const DataBlock* DataBlockHolder::find(xt::FourLetterCode id) const
{
    auto found = m_blocks.find(id);
    return found == m_blocks.end() ? nullptr : &found->second;
}

int32_t DataBlockStore::holderRef(HolderKind kind, int32_t object)
{
    const auto key = ownerKey({kind, object});
    auto found = m_byOwner.find(key);
    if (found != m_byOwner.end())
        return found->second;
    const int32_t ref = m_references->next();
    keep(ref);
    m_holders.emplace(ref, OwnedHolder{{kind, object}, {}});
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

bool DataBlockStore::setBlock(int32_t ref, xt::FourLetterCode id, DataBlock bytes)
{
    DataBlockHolder* found = holder(ref);
    if (!found)
        return false;
    keep(ref);
    found->set(id, std::move(bytes));
    return true;
}

bool DataBlockStore::removeBlock(int32_t ref, xt::FourLetterCode id)
{
    DataBlockHolder* found = holder(ref);
    if (!found || !found->has(id))
        return false;
    keep(ref);
    return found->remove(id);
}

void DataBlockStore::forgetObject(int32_t object)
{
    for (auto it = m_byOwner.begin(); it != m_byOwner.end();) {
        if (it->first.second != object) {
            ++it;
            continue;
        }
        keep(it->second);
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

void DataBlockStore::keep(int32_t ref)
{
    // A step left open by a plug-in is closed without stopKeeping; what it kept is complete then.
    if (!m_keeping || !m_keeping->open) {
        m_keeping.reset();
        return;
    }
    auto [kept, first] = m_keeping->holders.try_emplace(ref);
    if (!first)
        return;
    if (const auto found = m_holders.find(ref); found != m_holders.end())
        kept->second = found->second;
}

void DataBlockStore::stopKeeping(const KeptHolders* kept)
{
    if (m_keeping && m_keeping.get() == kept)
        m_keeping.reset();
}

void DataBlockStore::exchange(KeptHolders& kept)
{
    std::map<int32_t, std::optional<OwnedHolder>> now;
    for (const auto& [ref, before] : kept.holders) {
        auto& taken = now[ref];
        auto found = m_holders.find(ref);
        if (found == m_holders.end())
            continue;
        const auto owner = m_byOwner.find(ownerKey(found->second.owner));
        if (owner != m_byOwner.end() && owner->second == ref)
            m_byOwner.erase(owner);
        taken = std::move(found->second);
        m_holders.erase(found);
    }
    for (auto& [ref, before] : kept.holders) {
        if (!before)
            continue;
        // A holder made for the same object since (by a change no step kept) gives way to the kept one.
        const auto owner = ownerKey(before->owner);
        if (auto other = m_byOwner.find(owner); other != m_byOwner.end())
            m_holders.erase(other->second);
        m_byOwner[owner] = ref;
        m_holders.emplace(ref, std::move(*before));
    }
    kept.holders = std::move(now);
}

bool DataBlockStore::sameAsKept(const KeptHolders& kept) const
{
    static const std::map<xt::FourLetterCode, DataBlock> kNoBlocks;
    for (const auto& [ref, before] : kept.holders) {
        const auto now = m_holders.find(ref);
        const auto& blocksNow = now == m_holders.end() ? kNoBlocks : now->second.holder.blocks();
        if ((before ? before->holder.blocks() : kNoBlocks) != blocksNow)
            return false;
    }
    return true;
}

} // namespace host::model
