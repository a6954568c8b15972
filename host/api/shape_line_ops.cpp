// Shape data (XsiOp1289) and the end points of lines (XgfOp661, XgfOp662, XgfOp672).
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/model/items/line_geometry.h"

namespace host::api {
namespace {

/// Carries the shape's points from the rectangle `from` onto `to`; both may lie inside the block itself.
int32_t XsiOp1289(xt::Handle handle, const void* from, const void* to)
{
    model::ItemStore* items = currentItems();
    model::Item* owner = items && handle ? items->ownerOfShapeData(handle) : nullptr;
    if (!owner || !from || !to)
        return -1;
    const auto oldRect = xt::readAt<xt::FixedRect>(from);
    const auto newRect = xt::readAt<xt::FixedRect>(to);
    owner->shapeData()->map(oldRect, newRect);
    return 0;
}

int32_t promiseTransform(int32_t item, void* destination, bool inverse)
{
    model::ItemStore* items = currentItems();
    const model::Item* line = items ? items->find(item) : nullptr;
    if (!line || !line->isLine() || !destination)
        return -1;
    const auto transform = model::LineTransform::of(line->rect(), line->angle());
    return items->transforms().add({transform, inverse, destination});
}

/// A context that turns a record corner into the end point it stands for, written to `point`.
int32_t XgfOp661(int32_t item, void* point)
{
    return promiseTransform(item, point, false);
}

/// A context that turns a wanted end point into the record corner at `corner`.
int32_t XgfOp662(int32_t item, void* corner)
{
    return promiseTransform(item, corner, true);
}

int32_t XgfOp672(const void* source, int32_t context)
{
    model::ItemStore* items = currentItems();
    if (!items || !source)
        return -1;
    const auto pending = items->transforms().take(context);
    if (!pending)
        return -1;
    const auto point = xt::readAt<xt::FixedPoint>(source);
    const auto result = pending->inverse ? pending->transform.inverse(point) : pending->transform.forward(point);
    xt::writeAt(pending->destination, result);
    return 0;
}

xt::Fixed FixedArcTangent(xt::Fixed dh, xt::Fixed dv)
{
    return model::fixedArcTangent(dh, dv);
}

} // namespace

void registerShapeLineOps(OperationRegistry& registry)
{
    registry.add<xt::op::XsiOp1289, &XsiOp1289>();
    registry.add<xt::op::XgfOp661, &XgfOp661>();
    registry.add<xt::op::XgfOp662, &XgfOp662>();
    registry.add<xt::op::XgfOp672, &XgfOp672>();
    registry.add<xt::op::FixedArcTangent, &FixedArcTangent>();
}

} // namespace host::api
