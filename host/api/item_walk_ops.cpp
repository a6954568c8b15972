// The item walk of a spread, the spread count, deleting items, and the item-kind tests that go with
// the walk (GetFirstItem, GetNextItem, GetCount1305, ItemOp198, ItemTypeOp765, XgsOp710).
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/items/item_walk.h"
#include "host/model/spread_layout.h"

namespace host::api {
namespace {

/// (document, spread from 1, flag, &item): the spread's front item that no group holds, 0 when it holds
/// none. Flags 0 and 1 both walk the top-level items; a plug-in enters groups itself.
int32_t GetFirstItem(xt::DocumentRef document, int32_t spread, int32_t, int32_t* item)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !item || spread < 1 || static_cast<size_t>(spread) > model::spreadCount(*layout))
        return -1;
    *item = model::firstItemOfSpread(*layout, static_cast<size_t>(spread - 1));
    return 0;
}

/// The item behind `item` on its spread, 0 at the back; `item` may be one the caller has just deleted.
int32_t GetNextItem(int32_t item, int32_t)
{
    const model::Layout* layout = currentLayout();
    return layout ? model::nextItemOfSpread(*layout, item) : 0;
}

/// A failing call ends the walk, as a walker expects at the back of a spread.
int32_t GetNextItemFails(int32_t, int32_t)
{
    return 0;
}

int16_t GetCount1305(xt::DocumentRef document)
{
    const model::Layout* layout = layoutOfDocument(document);
    return layout ? static_cast<int16_t>(model::spreadCount(*layout)) : int16_t{-1};
}

/// (item, flag): deletes the item whatever the flag; its story stays with the rest of its chain.
int32_t ItemOp198(int32_t item, uint8_t)
{
    model::Layout* layout = currentLayout();
    return layout && model::deleteItem(*layout, item) ? 0 : -1;
}

/// Nonzero for the pseudo-group that stands for a selection of several items.
int32_t ItemTypeOp765(int32_t item)
{
    const model::Item* found = findItem(item);
    return found && found->groupRole() == model::GroupRole::Selection ? 1 : 0;
}

/// Readies the document's groups before a plug-in walks a group's members; the stand-in keeps its
/// groups ready, so there is nothing to do but know the document.
int32_t XgsOp710(xt::DocumentRef document)
{
    return layoutOfDocument(document) ? 0 : -1;
}

} // namespace

void registerItemWalkOps(OperationRegistry& registry)
{
    registry.add<xt::op::GetFirstItem, &GetFirstItem>();
    registry.add<xt::op::GetNextItem, &GetNextItem, &GetNextItemFails>();
    registry.add<xt::op::GetCount1305, &GetCount1305>();
    registry.add<xt::op::ItemOp198, &ItemOp198>();
    registry.add<xt::op::ItemTypeOp765, &ItemTypeOp765>();
    registry.add<xt::op::XgsOp710, &XgsOp710>();
}

} // namespace host::api
