// The current item, the tool, where an item lies (GetBoxBounds, ItemOp224) and the host's
// current-item slot (ItemOp207).
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/spread_layout.h"

namespace host::api {
namespace {

int32_t GetCurrentBox(int32_t* item)
{
    if (!item)
        return -1;
    const model::ItemStore* items = currentItems();
    *item = items ? items->current() : 0;
    return 0;
}

/// 0 deselects; the current pseudo-group may be made current again.
int32_t SetCurrentBox(int32_t item)
{
    model::ItemStore* items = currentItems();
    if (!items)
        return item == 0 ? 0 : -1;
    return items->select(item) ? 0 : -1;
}

/// Writes the place of the item's page; the record is left as the caller set it for an unknown item.
int32_t GetBoxBounds(int32_t item, int32_t, void* place)
{
    const model::Layout* layout = currentLayout();
    const model::Item* found = findItem(item);
    const auto slot = found ? model::slotOfRef(*layout, found->pageRef()) : std::nullopt;
    if (!slot || !place)
        return -1;
    xt::writeAt(place, model::placeOf(*layout, *slot));
    return 0;
}

/// The item's bounds: top, left, bottom, right.
int32_t ItemOp224(int32_t item, xt::Fixed* bounds, int32_t, int32_t)
{
    const model::Item* found = findItem(item);
    if (!found || !bounds)
        return -1;
    xt::writeAt(bounds, currentItems()->bounds(*found));
    return 0;
}

int32_t* ItemOp207()
{
    model::ItemStore* items = currentItems();
    return items ? items->selection().slot() : nullptr;
}

/// A layout window keeps its tool; with none open, the palette's tool is the one chosen.
int32_t GetCurrentTool()
{
    const model::ItemStore* items = currentItems();
    return items ? items->selection().tool() : context().tools().toolWithoutLayout();
}

/// Refuses a number that is no tool of the palette.
int32_t SetCurrentTool(int32_t tool)
{
    if (!context().tools().byNumber(tool))
        return -1;
    model::ItemStore* items = currentItems();
    if (items)
        items->selection().setTool(tool);
    else
        context().tools().setToolWithoutLayout(tool);
    return 0;
}

} // namespace

void registerCurrentItemOps(OperationRegistry& registry)
{
    registry.add<xt::op::GetCurrentBox, &GetCurrentBox>();
    registry.add<xt::op::SetCurrentBox, &SetCurrentBox>();
    registry.add<xt::op::GetBoxBounds, &GetBoxBounds>();
    registry.add<xt::op::ItemOp224, &ItemOp224>();
    registry.add<xt::op::ItemOp207, &ItemOp207>();
    registry.add<xt::op::GetCurrentTool, &GetCurrentTool>();
    registry.add<xt::op::SetCurrentTool, &SetCurrentTool>();
}

} // namespace host::api
