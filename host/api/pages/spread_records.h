// Spread page items in the item operations: GetBoxRecord on a spread's page item gives its page
// table, BoxRecordOp3010 hands one back, ReleaseBoxRecord frees it, ItemOp224 gives the spread's bounds.
#pragma once

#include <cstdint>
#include <optional>

#include "xtapi/types.h"

namespace host::api {

/// A handle holding the page table of the current layout's spread whose page item this is; null for
/// an item that is no spread's page item.
void* spreadRecordOf(int32_t item);
/// True when the record was a page table given out (it is freed); false for any other record.
bool releaseSpreadRecord(void* record);
/// Nullopt for a record that is no page table; otherwise 0 when its margins were written into the
/// masters of its pages, -1 when they were refused.
std::optional<int16_t> applySpreadRecord(void* record);
/// Nullopt for an item that is no spread's page item; otherwise 0 with the spread's bounds
/// (top, left, bottom, right) written, or -1.
std::optional<int32_t> spreadItemBounds(int32_t item, xt::Fixed* bounds);

} // namespace host::api
