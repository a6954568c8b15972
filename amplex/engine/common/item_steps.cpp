// Steps the scalers share.
#include "amplex/engine/common/item_steps.h"

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/scalers/drop_shadow.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/component_calls.h"
#include "foundation/binding/host_failures.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {

void scaleShadowIfPresent(int32_t item)
{
    uint8_t hasShadow = 0;
    xt::calls::DropShadowOp8(item, &hasShadow, 0);
    if (hasShadow)
        ScaleDropShadow(item);
}

void keepScaledItemPlace(int32_t item)
{
    xt::PlaceRecord place{};
    if (xt::calls::GetBoxBounds(item, 0, &place) == 0)
        engineState().setScaledItemPlace(place.spread, place.pageNumber);
}

void applyItemOrigin(const xt::FixedRect& itemRect)
{
    if (engineState().tableScaled())
        return;
    const int16_t from = currentSettings().ScaleFrom;
    if (from == FromUpperLeftOfItems)
        engineState().setOrigin(topLeftOf(itemRect));
    else if (from == FromCenterOfItems)
        engineState().setOrigin(centreOf(itemRect));
}

ToolKeeper::ToolKeeper() : m_tool(xt::calls::GetCurrentTool())
{
}

ToolKeeper::~ToolKeeper()
{
    xt::calls::SetCurrentTool(m_tool);
}

CurrentItemKeeper::CurrentItemKeeper() : m_item(currentItem())
{
}

CurrentItemKeeper::~CurrentItemKeeper()
{
    xt::calls::SetCurrentBox(m_item);
}

int32_t currentItem()
{
    int32_t item = 0;
    xt::calls::GetCurrentBox(&item);
    return item;
}

void scaleOutsets(foundation::BoxRecordLease& record, const Factors& factors)
{
    const Fixed byFactor[4] = {factors.v, factors.h, factors.v, factors.h};
    for (int side = 0; side < 4; ++side)
        record->outsets[side] = xt::calls::FixedMultiply(record->outsets[side], byFactor[side]);
}

} // namespace amplex
