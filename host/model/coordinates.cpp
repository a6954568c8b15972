// Page <-> spread coordinate conversions.
#include "host/model/coordinates.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace host::model {
namespace {

xt::Fixed add(xt::Fixed a, int64_t b)
{
    const int64_t sum = int64_t{a} + b;
    return static_cast<xt::Fixed>(std::clamp<int64_t>(sum, std::numeric_limits<xt::Fixed>::min(),
        std::numeric_limits<xt::Fixed>::max()));
}

xt::FixedRect shifted(const xt::FixedRect& rect, int64_t dv, int64_t dh)
{
    return {add(rect.top, dv), add(rect.left, dh), add(rect.bottom, dv), add(rect.right, dh)};
}

std::vector<PageSlot> slotsOfCurrentSpread(const Layout& layout)
{
    const PageSlot current = currentSlot(layout);
    std::vector<PageSlot> slots;
    const int16_t spread = placeOf(layout, current).spread;
    const size_t count = current.list == PageList::Masters ? layout.masters().pageCount() : layout.pageCount();
    for (size_t i = 0; i < count; ++i) {
        if (placeOf(layout, {current.list, i}).spread == spread)
            slots.push_back({current.list, i});
    }
    return slots;
}

} // namespace

xt::FixedPoint pageToSpread(const xt::PlaceRecord& page, xt::FixedPoint point)
{
    return {add(point.v, page.pageTop), add(point.h, page.pageLeft)};
}

xt::FixedRect pageToSpread(const xt::PlaceRecord& page, const xt::FixedRect& rect)
{
    return shifted(rect, page.pageTop, page.pageLeft);
}

xt::PlaceRecord pageUnder(const Layout& layout, const xt::FixedRect& rect)
{
    const std::vector<PageSlot> slots = slotsOfCurrentSpread(layout);
    xt::PlaceRecord chosen = placeOf(layout, currentSlot(layout));
    for (const PageSlot& slot : slots) {
        const xt::PlaceRecord place = placeOf(layout, slot);
        if (slot != slots.front() && rect.left < place.pageLeft)
            break;
        chosen = place;
    }
    return chosen;
}

xt::FixedRect spreadToPage(const xt::PlaceRecord& page, const xt::FixedRect& rect)
{
    return shifted(rect, -int64_t{page.pageTop}, -int64_t{page.pageLeft});
}

} // namespace host::model
