// Scaling an item's drop shadow through the host's drop-shadow component.
#include "amplex/engine/scalers/drop_shadow.h"

#include <algorithm>

#include "amplex/settings/settings.h"
#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"

namespace amplex {
namespace {

template <class Function>
Function slotOf(xt::DropShadowSlot slot)
{
    auto* table = static_cast<void* const*>(foundation::componentTable(xt::kDropShadowComponent));
    if (!table)
        return nullptr;
    return reinterpret_cast<Function>(table[slot]);
}

} // namespace

xt::Fixed shadowFactor(xt::Fixed horizontal, xt::Fixed vertical)
{
    return std::min(horizontal, vertical);
}

void ScaleDropShadow(int32_t item)
{
    const ScaleSettings& settings = currentSettings();
    if (!settings.ScaleShadowOffsets)
        return;
    const auto getShadow = slotOf<xt::GetDropShadowFn>(xt::GetDropShadowSlot);
    const auto setShadow = slotOf<xt::SetDropShadowFn>(xt::SetDropShadowSlot);
    if (!getShadow || !setShadow)
        return;
    xt::DropShadowRecord shadow{};
    if (getShadow(item, &shadow) != 0)
        return;
    const xt::Fixed factor = shadowFactor(settings.HorizontalFactor, settings.VerticalFactor);
    shadow.offsetAcross = xt::calls::FixedMultiply(shadow.offsetAcross, factor);
    shadow.offsetDown = xt::calls::FixedMultiply(shadow.offsetDown, factor);
    setShadow(item, &shadow);
}

} // namespace amplex
