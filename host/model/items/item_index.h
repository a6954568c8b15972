// The items of a layout by reference: a table of pages over the reference space, so that finding an
// item is two array reads however many items the layout holds.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/model/items/item.h"

namespace host::model {

class ItemIndex {
public:
    ItemIndex() = default;
    ItemIndex(const ItemIndex&) = delete;
    ItemIndex& operator=(const ItemIndex&) = delete;

    /// The item with this reference, or null (zero, negative and unknown references included).
    Item* find(int32_t ref) const
    {
        const auto page = pageOf(ref);
        if (page >= m_pages.size() || !m_pages[page])
            return nullptr;
        return m_pages[page]->slots[slotOf(ref)].get();
    }

    /// Takes the item in under its reference, which must be positive and not yet held.
    Item& insert(std::unique_ptr<Item> item);
    /// Destroys the item; false when no item has the reference.
    bool erase(int32_t ref);
    /// Lets the item go without destroying it; null when no item has the reference.
    std::unique_ptr<Item> take(int32_t ref);
    size_t size() const { return m_size; }

private:
    // References are handed out in order and never reused, so the items of a layout fill its pages
    // nearly densely; a page that empties (pseudo-groups come and go) is given back.
    static constexpr unsigned kPageBits = 10;
    static constexpr size_t kPageSize = size_t{1} << kPageBits;
    struct Page {
        std::array<std::unique_ptr<Item>, kPageSize> slots;
        size_t used = 0;
    };

    void releaseIfEmpty(size_t page);

    static size_t pageOf(int32_t ref) { return ref <= 0 ? SIZE_MAX : static_cast<size_t>(ref) >> kPageBits; }
    static size_t slotOf(int32_t ref) { return static_cast<size_t>(ref) & (kPageSize - 1); }

    std::vector<std::unique_ptr<Page>> m_pages;
    size_t m_size = 0;
};

} // namespace host::model
