// Master spreads: made, paired for facing pages, and looked up.
#include "host/model/master_pages.h"

#include <algorithm>

namespace host::model {

MasterPages::MasterPages(ReferenceAllocator& references) : m_references(&references)
{
    addSpread();
}

int64_t MasterPages::indexOf(int32_t ref) const
{
    auto found = std::find_if(m_pages.begin(), m_pages.end(), [&](const MasterPage& page) { return page.ref() == ref; });
    return found == m_pages.end() ? -1 : found - m_pages.begin();
}

size_t MasterPages::addSpread()
{
    const size_t first = m_pages.size();
    for (size_t i = 0; i < m_pagesPerSpread; ++i)
        m_pages.emplace_back(m_references->next());
    return first;
}

void MasterPages::setFacing(bool facing)
{
    const size_t wanted = facing ? 2 : 1;
    if (wanted == m_pagesPerSpread)
        return;
    std::vector<MasterPage> pages;
    for (size_t spread = 0; spread < spreadCount(); ++spread) {
        const MasterPage& first = m_pages[spread * m_pagesPerSpread];
        pages.push_back(first);
        if (!facing)
            continue;
        // The new right page starts as a copy of its left page's set-up.
        MasterPage right(m_references->next());
        right.setMargins(first.margins());
        right.setColumns(first.columns());
        pages.push_back(right);
    }
    m_pages = std::move(pages);
    m_pagesPerSpread = wanted;
}

} // namespace host::model
