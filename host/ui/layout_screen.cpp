// Where the layout window shows the page on the screen.
#include "host/ui/layout_screen.h"

#include <cmath>

#include "host/model/spread_layout.h"

namespace host::ui {

POINT screenPointOfPage(const model::Layout* layout, double x, double y)
{
    double left = 0;
    double top = 0;
    if (layout) {
        const xt::PlaceRecord place = model::placeOf(*layout, model::currentSlot(*layout));
        left = place.pageLeft / static_cast<double>(xt::kFixedOne);
        top = place.pageTop / static_cast<double>(xt::kFixedOne);
    }
    return POINT{kSpreadScreenLeft + static_cast<LONG>(std::floor(left + x)),
        kSpreadScreenTop + static_cast<LONG>(std::floor(top + y))};
}

} // namespace host::ui
