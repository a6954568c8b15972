// Guide lists: read, added to, replaced and cleared.
#include "host/model/guides.h"

namespace host::model {

std::vector<Guide> GuideStore::guides(GuideListKey key, GuideKind kind) const
{
    std::vector<Guide> out;
    auto found = m_lists.find(key);
    if (found == m_lists.end())
        return out;
    for (const xt::GuideEntry& entry : found->second[slot(kind)])
        out.emplace_back(kind, entry);
    return out;
}

size_t GuideStore::count(GuideListKey key, GuideKind kind) const
{
    auto found = m_lists.find(key);
    return found == m_lists.end() ? 0 : found->second[slot(kind)].size();
}

size_t GuideStore::add(GuideListKey key, GuideKind kind, const xt::GuideEntry& entry)
{
    std::vector<xt::GuideEntry>& list = m_lists[key][slot(kind)];
    list.push_back(entry);
    return list.size() - 1;
}

std::optional<Guide> GuideStore::guide(GuideListKey key, GuideKind kind, size_t index) const
{
    auto found = m_lists.find(key);
    if (found == m_lists.end() || index >= found->second[slot(kind)].size())
        return std::nullopt;
    return Guide(kind, found->second[slot(kind)][index]);
}

bool GuideStore::replace(GuideListKey key, GuideKind kind, size_t index, const xt::GuideEntry& entry)
{
    auto found = m_lists.find(key);
    if (found == m_lists.end())
        return false;
    std::vector<xt::GuideEntry>& list = found->second[slot(kind)];
    if (index >= list.size())
        return false;
    list[index] = entry;
    return true;
}

GuideStore::Removal GuideStore::remove(GuideListKey key, GuideKind kind, size_t index)
{
    auto found = m_lists.find(key);
    if (found == m_lists.end())
        return Removal::NoSuchGuide;
    std::vector<xt::GuideEntry>& list = found->second[slot(kind)];
    if (index >= list.size())
        return Removal::NoSuchGuide;
    if (Guide(kind, list[index]).isLocked())
        return Removal::Locked;
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
    return Removal::Removed;
}

void GuideStore::clear(GuideListKey key)
{
    m_lists.erase(key);
}

std::vector<GuideListKey> GuideStore::keys() const
{
    std::vector<GuideListKey> out;
    for (const auto& [key, lists] : m_lists) {
        if (!lists[0].empty() || !lists[1].empty())
            out.push_back(key);
    }
    return out;
}

} // namespace host::model
