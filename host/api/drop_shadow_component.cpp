// The "QFAU" drop-shadow component: whether an item has a shadow, and its record.
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"

namespace host::api {
namespace {

/// Writes the record to the target and gives it a shadow.
int32_t DropShadowOp0(int32_t target, const xt::DropShadowRecord* shadow)
{
    model::Item* item = findItem(target);
    if (!item || !shadow)
        return -1;
    item->setDropShadow(*shadow);
    return 0;
}

/// `hasShadow` = 1 when the item has a shadow; changes nothing.
int32_t DropShadowOp8(int32_t item, uint8_t* hasShadow, int32_t)
{
    const model::Item* found = findItem(item);
    if (!found || !hasShadow)
        return -1;
    *hasShadow = found->dropShadow() ? 1 : 0;
    return 0;
}

/// Replaces the shadow of an item that has one.
int32_t SetDropShadow(int32_t item, const xt::DropShadowRecord* shadow)
{
    model::Item* found = findItem(item);
    if (!found || !shadow || !found->dropShadow())
        return -1;
    found->setDropShadow(*shadow);
    return 0;
}

int32_t GetDropShadow(int32_t item, xt::DropShadowRecord* shadow)
{
    const model::Item* found = findItem(item);
    if (!found || !shadow || !found->dropShadow())
        return -1;
    *shadow = *found->dropShadow();
    return 0;
}

} // namespace

void registerDropShadowComponent(OperationRegistry& registry)
{
    registry.addComponent<xt::component::DropShadowOp0, &DropShadowOp0>();
    registry.addComponent<xt::component::DropShadowOp8, &DropShadowOp8>();
    registry.addComponent<xt::component::SetDropShadow, &SetDropShadow>();
    registry.addComponent<xt::component::GetDropShadow, &GetDropShadow>();
}

} // namespace host::api
