// Hit-testing items in spread points: an item's bounding rectangle, a mouse point tested against a
// rectangle, and item outlines given out by number, tested, grown and freed
// (ItemBoundsOp3584, RectTestOp1795, ShapeOp2219, ShapeHitTest1278, ShapeGrow1273, ShapeOp1270).
#include <cstring>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/items/item_outline.h"

namespace host::api {
namespace {

double points(xt::Fixed value)
{
    return value / 65536.0;
}

/// (record or null, item, &rectangle, 0, 0): the rectangle that holds the item as drawn. The record the
/// caller names is not needed: items are found by reference.
int32_t ItemBoundsOp3584(void*, int32_t item, void* rect, int32_t, int32_t)
{
    const model::ItemStore* items = currentItems();
    const model::Item* found = items ? items->find(item) : nullptr;
    if (!found || !rect)
        return -1;
    const xt::FixedRect bounds = model::ItemOutline::of(*items, *found).bounds();
    std::memcpy(rect, &bounds, sizeof bounds);
    return 0;
}

/// (&mouse point, &rectangle, &inside): inside is 1 when the point lies in the rectangle, edges included.
int32_t RectTestOp1795(const void* point, const void* rect, uint8_t* inside)
{
    if (!point || !rect || !inside)
        return -1;
    xt::MousePoint at{};
    xt::FixedRect box{};
    std::memcpy(&at, point, sizeof at);
    std::memcpy(&box, rect, sizeof box);
    const xt::Fixed v = at.v * xt::kFixedOne;
    const xt::Fixed h = at.h * xt::kFixedOne;
    *inside = v >= box.top && v <= box.bottom && h >= box.left && h <= box.right ? 1 : 0;
    return 0;
}

/// (item, 1, 2): a shape number for the item's outline, freed with ShapeOp1270.
int32_t ShapeOp2219(int32_t item, int32_t, int32_t)
{
    const model::ItemStore* items = currentItems();
    const model::Item* found = items ? items->find(item) : nullptr;
    if (!found)
        return -1;
    return context().shapes().add(model::ItemOutline::of(*items, *found));
}

void ShapeOp1270(int32_t shape)
{
    context().shapes().remove(shape);
}

/// (vertical, horizontal, shape, 0, 0, 0): 1 when the point hits the shape; an unknown shape is missed.
uint8_t ShapeHitTest1278(xt::Fixed v, xt::Fixed h, int32_t shape, int32_t, int32_t, int32_t)
{
    const model::ItemOutline* outline = context().shapes().find(shape);
    return outline && outline->contains(points(v), points(h)) ? 1 : 0;
}

/// A failing test reads as a miss, never as a hit.
uint8_t ShapeHitTest1278Fails(xt::Fixed, xt::Fixed, int32_t, int32_t, int32_t, int32_t)
{
    return 0;
}

/// (shape, distance, 1, 1, 1): every edge moves outward by the distance (inward when it is negative).
int32_t ShapeGrow1273(int32_t shape, xt::Fixed distance, int32_t, int32_t, int32_t)
{
    model::ItemOutline* outline = context().shapes().find(shape);
    if (!outline)
        return -1;
    outline->grow(points(distance));
    return 0;
}

} // namespace

void registerHitTestOps(OperationRegistry& registry)
{
    registry.add<xt::op::ItemBoundsOp3584, &ItemBoundsOp3584>();
    registry.add<xt::op::RectTestOp1795, &RectTestOp1795>();
    registry.add<xt::op::ShapeOp2219, &ShapeOp2219>();
    registry.add<xt::op::ShapeOp1270, &ShapeOp1270>();
    registry.add<xt::op::ShapeHitTest1278, &ShapeHitTest1278, &ShapeHitTest1278Fails>();
    registry.add<xt::op::ShapeGrow1273, &ShapeGrow1273>();
}

} // namespace host::api
