// The origin of a box's own scale, and its minimum-size message.
#include "amplex/engine/scalers/box_origin.h"

#include <string>

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/common/size_warning.h"
#include "amplex/resources/strings.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/component_calls.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

/// The rectangle of the table that holds the current box. When the host names no table, the
/// box's own record answers, as the host gives the current item's record for table 0.
std::optional<xt::FixedRect> tableRect()
{
    int32_t table = 0;
    xt::calls::GetTableOfItem(currentItem(), &table);
    foundation::BoxRecordLease record = foundation::BoxRecordLease::of(table);
    if (!record)
        return std::nullopt;
    return record->geometry.rect;
}

} // namespace

void placeBoxOrigin(const xt::FixedRect& boxRect)
{
    if (!engineState().tableScaled()) {
        applyItemOrigin(boxRect);
        return;
    }
    const auto rect = tableRect();
    if (!rect)
        return;
    const int16_t from = currentSettings().ScaleFrom;
    if (from == FromUpperLeftOfItems)
        engineState().setOrigin(topLeftOf(*rect));
    else if (from == FromCenterOfItems)
        engineState().setOrigin(centreOf(*rect));
}

void showMinimumSizeWarning(int32_t message, xt::Fixed value, MeasureUnit unit)
{
    const std::string text = loadAmplexString(message) + measurementText(value, unit);
    ShowScaleWarning(text.c_str());
}

} // namespace amplex
