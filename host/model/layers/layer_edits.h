// Changes to a layout's layers that reach its items: the current layer takes new items, an item moves
// to a layer with its group's members, and a deleted layer's items move to another layer or go with it.
#pragma once

#include <cstdint>
#include <vector>

#include "host/model/document_model.h"

namespace host::model {

/// Makes the layer current; new items go on it. False for a layer the layout does not have.
bool makeLayerCurrent(Layout& layout, int32_t layer);
/// Puts a top-level item (a group with its members) on the layer. False for an unknown item or layer,
/// or an item inside a group (it shares its group's layer).
bool assignLayer(Layout& layout, int32_t item, int32_t layer);

/// Where a deleted layer's items go: onto another layer, or away with it.
inline constexpr int32_t kDeleteLayerItems = -1;
/// Deletes the layer; its items move to `destination` or, with kDeleteLayerItems, are deleted too.
/// False, with nothing changed, for the default layer, an unknown layer or destination, or a
/// destination that is the layer itself.
bool deleteLayer(Layout& layout, int32_t layer, int32_t destination);

/// The top-level items on the layer, page by page (document pages, then master pages).
std::vector<int32_t> itemsOnLayer(const Layout& layout, int32_t layer);
/// False when the item's layer is hidden: the page drawing leaves it out.
bool isShown(const Layout& layout, const Item& item);

} // namespace host::model
