// Taking items into the index and letting them go.
#include "host/model/items/item_index.h"

#include <cassert>

namespace host::model {

Item& ItemIndex::insert(std::unique_ptr<Item> item)
{
    const int32_t ref = item->ref();
    assert(ref > 0 && "items are indexed by positive references");
    const size_t page = pageOf(ref);
    if (page >= m_pages.size()) {
        releaseIfEmpty(m_pages.size() - 1);
        m_pages.resize(page + 1);
    }
    if (!m_pages[page])
        m_pages[page] = std::make_unique<Page>();
    std::unique_ptr<Item>& slot = m_pages[page]->slots[slotOf(ref)];
    assert(!slot && "an item reference is indexed twice");
    slot = std::move(item);
    ++m_pages[page]->used;
    ++m_size;
    return *slot;
}

bool ItemIndex::erase(int32_t ref)
{
    return take(ref) != nullptr;
}

std::unique_ptr<Item> ItemIndex::take(int32_t ref)
{
    const size_t page = pageOf(ref);
    if (page >= m_pages.size() || !m_pages[page])
        return nullptr;
    Page& held = *m_pages[page];
    std::unique_ptr<Item> taken = std::move(held.slots[slotOf(ref)]);
    if (!taken)
        return nullptr;
    --m_size;
    --held.used;
    // New references land on the last page, so it stays even when empty: a pseudo-group that
    // replaces the one before it would otherwise free and allocate it each time.
    if (page + 1 != m_pages.size())
        releaseIfEmpty(page);
    return taken;
}

void ItemIndex::releaseIfEmpty(size_t page)
{
    if (page < m_pages.size() && m_pages[page] && m_pages[page]->used == 0)
        m_pages[page].reset();
}

} // namespace host::model
