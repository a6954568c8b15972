// Page tables of spreads.
#include "host/model/pages/page_table.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace host::model {

std::vector<PageSlot> slotsOfSpread(const Layout& layout, SpreadKey spread)
{
    std::vector<PageSlot> slots;
    if (!spread.master) {
        for (size_t index : pagesOfSpread(layout, spread.spread))
            slots.push_back({PageList::Document, index});
        return slots;
    }
    const size_t perSpread = layout.masters().pagesPerSpread();
    for (size_t i = 0; i < perSpread && spread.spread < layout.masters().spreadCount(); ++i)
        slots.push_back({PageList::Masters, spread.spread * perSpread + i});
    return slots;
}

SpreadKey spreadOfSlot(const Layout& layout, PageSlot slot)
{
    return {slot.list == PageList::Masters, static_cast<size_t>(placeOf(layout, slot).spread)};
}

bool insideIsLeft(const Layout& layout, PageSlot slot)
{
    if (!layout.setup().facing())
        return true;
    if (slot.list == PageList::Masters)
        return slot.index % 2 == 1;
    // The first page stands alone on the right; after it, left and right pages alternate.
    return slot.index % 2 == 0;
}

size_t masterPageOf(const Layout& layout, PageSlot slot)
{
    if (slot.list == PageList::Masters)
        return slot.index;
    const MasterPages& masters = layout.masters();
    const size_t spread = std::min(layout.page(slot.index).masterSpread(), masters.spreadCount() - 1);
    const size_t side = masters.pagesPerSpread() == 2 && insideIsLeft(layout, slot) ? 1 : 0;
    return spread * masters.pagesPerSpread() + side;
}

std::optional<std::vector<xt::PageTableEntry>> pageTableOf(const Layout& layout, SpreadKey spread)
{
    const std::vector<PageSlot> slots = slotsOfSpread(layout, spread);
    if (slots.empty())
        return std::nullopt;
    std::vector<xt::PageTableEntry> table;
    for (const PageSlot& slot : slots) {
        const xt::PlaceRecord place = placeOf(layout, slot);
        const PageSize size = sizeOf(layout, slot);
        const PageMargins& margins = layout.masters().page(masterPageOf(layout, slot)).margins();
        const bool leftInside = insideIsLeft(layout, slot);
        xt::PageTableEntry entry{};
        entry.top = place.pageTop;
        entry.left = place.pageLeft;
        entry.bottom = place.pageTop + size.height;
        entry.right = place.pageLeft + size.width;
        entry.marginTop = margins.top;
        entry.marginBottom = margins.bottom;
        entry.marginInside = leftInside ? margins.left : margins.right;
        entry.marginOutside = leftInside ? margins.right : margins.left;
        table.push_back(entry);
    }
    return table;
}

std::vector<uint8_t> pageTableBytes(const std::vector<xt::PageTableEntry>& table)
{
    std::vector<uint8_t> bytes(xt::kPageTableEntries + table.size() * sizeof(xt::PageTableEntry));
    const auto count = static_cast<int16_t>(table.size());
    std::memcpy(bytes.data(), &count, sizeof count);
    if (!table.empty())
        std::memcpy(bytes.data() + xt::kPageTableEntries, table.data(), table.size() * sizeof(xt::PageTableEntry));
    return bytes;
}

std::optional<std::vector<xt::PageTableEntry>> pageTableFromBytes(const uint8_t* bytes, size_t size)
{
    if (!bytes || size < xt::kPageTableEntries)
        return std::nullopt;
    int16_t count = 0;
    std::memcpy(&count, bytes, sizeof count);
    if (count < 0 || size < xt::kPageTableEntries + static_cast<size_t>(count) * sizeof(xt::PageTableEntry))
        return std::nullopt;
    std::vector<xt::PageTableEntry> table(static_cast<size_t>(count));
    if (count > 0)
        std::memcpy(table.data(), bytes + xt::kPageTableEntries, table.size() * sizeof(xt::PageTableEntry));
    return table;
}

bool applyPageTableMargins(Layout& layout, SpreadKey spread, const std::vector<xt::PageTableEntry>& table)
{
    const std::vector<PageSlot> slots = slotsOfSpread(layout, spread);
    if (slots.empty() || table.size() != slots.size())
        return false;
    std::map<size_t, PageMargins> changes;
    for (size_t i = 0; i < slots.size(); ++i) {
        const xt::PageTableEntry& entry = table[i];
        const bool leftInside = insideIsLeft(layout, slots[i]);
        const PageMargins margins{entry.marginTop, entry.marginBottom, leftInside ? entry.marginInside : entry.marginOutside,
            leftInside ? entry.marginOutside : entry.marginInside};
        const size_t master = masterPageOf(layout, slots[i]);
        if (!fitsPage(margins, layout.masters().page(master).columns(), sizeOf(layout, slots[i])))
            return false;
        changes[master] = margins;
    }
    for (const auto& [master, margins] : changes)
        layout.masters().page(master).setMargins(margins);
    return true;
}

} // namespace host::model
