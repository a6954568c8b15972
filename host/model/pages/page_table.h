// A spread's page table: each page's rectangle in the spread and its margins, inside and outside
// as the page faces; and the margins of a table handed back, written into the pages' masters.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "host/model/spread_layout.h"
#include "xtapi/page_records.h"

namespace host::model {

/// The pages of a spread, document or master, in spread order.
std::vector<PageSlot> slotsOfSpread(const Layout& layout, SpreadKey spread);
/// The spread a page sits in.
SpreadKey spreadOfSlot(const Layout& layout, PageSlot slot);

/// True for a right-hand page and for every page of a layout without facing pages: its left margin
/// is the inside one.
bool insideIsLeft(const Layout& layout, PageSlot slot);
/// The master page whose margins a page shows: itself for a master page.
size_t masterPageOf(const Layout& layout, PageSlot slot);

/// Nullopt for a spread the layout does not have.
std::optional<std::vector<xt::PageTableEntry>> pageTableOf(const Layout& layout, SpreadKey spread);
/// The page table as its record's bytes: the 16-bit count, then the entries.
std::vector<uint8_t> pageTableBytes(const std::vector<xt::PageTableEntry>& table);
std::optional<std::vector<xt::PageTableEntry>> pageTableFromBytes(const uint8_t* bytes, size_t size);

/// Writes each entry's margins into the master page its page shows. False, with nothing changed,
/// when the table does not fit the spread or a margin would leave a page without a live area.
bool applyPageTableMargins(Layout& layout, SpreadKey spread, const std::vector<xt::PageTableEntry>& table);

} // namespace host::model
