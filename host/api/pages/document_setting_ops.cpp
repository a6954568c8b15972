// The stored switches of the current layout, the ruler origin, spread-to-page coordinates and the
// rectangle inset.
#include <cstdint>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/model/spread_layout.h"

namespace host::api {
namespace {

int32_t readSetting(int32_t model::DocumentSettings::*setting, int32_t* value)
{
    const model::Layout* layout = currentLayout();
    if (!layout || !value)
        return -1;
    *value = layout->settings().*setting;
    return 0;
}

int32_t writeSetting(int32_t model::DocumentSettings::*setting, int32_t value)
{
    model::Layout* layout = currentLayout();
    if (!layout)
        return -1;
    layout->settings().*setting = value;
    return 0;
}

int32_t XpgOp948(int32_t* value)
{
    return readSetting(&model::DocumentSettings::setting948, value);
}

int32_t XpgOp949(int32_t value)
{
    return writeSetting(&model::DocumentSettings::setting948, value);
}

int32_t XpgOp950(int32_t* value)
{
    return readSetting(&model::DocumentSettings::setting950, value);
}

int32_t XpgOp951(int32_t value)
{
    return writeSetting(&model::DocumentSettings::setting950, value);
}

/// (document, &flag): 1 when the rulers measure across the whole spread.
int32_t XpgOp958(xt::DocumentRef document, uint8_t* flag)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !flag)
        return -1;
    *flag = layout->settings().rulerOrigin.spreadWide ? 1 : 0;
    return 0;
}

/// (document, &value): the ruler origin's vertical (494) and horizontal (496) position.
int32_t DocumentOp494(xt::DocumentRef document, xt::Fixed* top)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !top)
        return -1;
    *top = layout->settings().rulerOrigin.top;
    return 0;
}

int32_t DocumentOp496(xt::DocumentRef document, xt::Fixed* left)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !left)
        return -1;
    *left = layout->settings().rulerOrigin.left;
    return 0;
}

int32_t SetRulerOrigin(xt::DocumentRef document, xt::Fixed top, xt::Fixed left)
{
    model::Layout* layout = layoutOfDocument(document);
    if (!layout)
        return -1;
    layout->settings().rulerOrigin.top = top;
    layout->settings().rulerOrigin.left = left;
    return 0;
}

/// (document, &x, &y): a point of the current spread in the coordinates of the window's current page.
int32_t XsqOp1306(xt::DocumentRef document, xt::Fixed* x, xt::Fixed* y)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !x || !y || layout->pageCount() == 0)
        return -1;
    const xt::PlaceRecord place = model::placeOf(*layout, model::currentSlot(*layout));
    *x -= place.pageLeft;
    *y -= place.pageTop;
    return 0;
}

/// Insets a rectangle (top, left, bottom, right) by dv and dh.
int32_t XfsOp617(xt::Fixed* rect, xt::Fixed dv, xt::Fixed dh)
{
    if (!rect)
        return -1;
    const int64_t top = int64_t{rect[0]} + dv, left = int64_t{rect[1]} + dh;
    const int64_t bottom = int64_t{rect[2]} - dv, right = int64_t{rect[3]} - dh;
    const auto fits = [](int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; };
    if (top > bottom || left > right || !fits(top) || !fits(left) || !fits(bottom) || !fits(right))
        return -1;
    rect[0] = static_cast<xt::Fixed>(top);
    rect[1] = static_cast<xt::Fixed>(left);
    rect[2] = static_cast<xt::Fixed>(bottom);
    rect[3] = static_cast<xt::Fixed>(right);
    return 0;
}

} // namespace

void registerDocumentSettingOps(OperationRegistry& registry)
{
    registry.add<xt::op::XpgOp948, &XpgOp948>();
    registry.add<xt::op::XpgOp949, &XpgOp949>();
    registry.add<xt::op::XpgOp950, &XpgOp950>();
    registry.add<xt::op::XpgOp951, &XpgOp951>();
    registry.add<xt::op::XpgOp958, &XpgOp958>();
    registry.add<xt::op::DocumentOp494, &DocumentOp494>();
    registry.add<xt::op::DocumentOp496, &DocumentOp496>();
    registry.add<xt::op::SetRulerOrigin, &SetRulerOrigin>();
    registry.add<xt::op::XsqOp1306, &XsqOp1306>();
    registry.add<xt::op::XfsOp617, &XfsOp617>();
}

} // namespace host::api
