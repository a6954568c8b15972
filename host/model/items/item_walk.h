// The item walk of a spread (GetFirstItem, GetNextItem), deleting an item with what shows it, and
// the spread an item sits on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace host::model {

class Layout;

/// The spread (from 0) of the document page `pageRef`; nullopt for a master page or no page.
std::optional<size_t> spreadOfPage(const Layout& layout, int32_t pageRef);

/// The front item of a spread (from 0) that no group holds, or 0 when the spread holds none.
int32_t firstItemOfSpread(const Layout& layout, size_t spread);
/// The item behind `item` on the same spread that no group holds, or 0 at the back. `item` may be one
/// the caller has just deleted: the walk goes on from where it stood.
int32_t nextItemOfSpread(const Layout& layout, int32_t item);

/// Deletes an item (a group or table with its members, the pseudo-group of a selection with the items it
/// stands for): text boxes leave their chains, whose text stays with the other boxes, and the item's
/// data blocks go. False for an unknown item.
bool deleteItem(Layout& layout, int32_t item);

} // namespace host::model
