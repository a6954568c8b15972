// Lists with several columns, bytes kept with rows, single rows disabled, pictures in cells, and pictures
// drawn into: a swatch's colour, a bitmap or text at a point.
#include <algorithm>
#include <cstring>

#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "xtapi/colour_records.h"

namespace host::api {
namespace {

/// What a row keeps at most: more than any plug-in stores, little enough that a wrong size is caught.
constexpr int32_t kMaxRowData = 256;

ui::WindowItem* rowsItem(int32_t item)
{
    ui::Window* window = context().windows().target();
    ui::WindowItem* found = window ? window->item(item) : nullptr;
    return found && found->hasRows() ? found : nullptr;
}

int32_t ListOp1594(int32_t item, uint32_t flags, int32_t value)
{
    ui::WindowItem* list = rowsItem(item);
    if (!list)
        return -1;
    list->setSetupValue("list style", static_cast<int32_t>(flags));
    list->setSetupValue("list style value", value);
    return 0;
}

int32_t ListOp1595(int32_t item, uint32_t flags)
{
    ui::WindowItem* list = rowsItem(item);
    if (!list)
        return -1;
    list->setSetupValue("list options", static_cast<int32_t>(flags));
    return 0;
}

/// Adds a column (its flags and width in pixels) at the right of the list's columns.
int32_t ListOp1631(int32_t item, uint32_t flags, int32_t width, int32_t, int32_t)
{
    ui::WindowItem* list = rowsItem(item);
    if (!list || list->kind() != ui::ItemKind::List || width < 0)
        return -1;
    list->addColumn({flags, width});
    return 0;
}

int32_t ListOp1614(int32_t item, int32_t row, int32_t size, const void* data)
{
    ui::WindowItem* list = rowsItem(item);
    if (!list || !data || size < 0 || size > kMaxRowData)
        return -1;
    return list->setRowData(row, std::string(static_cast<const char*>(data), static_cast<size_t>(size))) ? 0 : -1;
}

/// Enables (nonzero) or disables one row of a popup or list.
int32_t ListOp1621(int32_t item, int32_t row, int32_t enabled)
{
    ui::WindowItem* list = rowsItem(item);
    return list && list->setRowEnabled(row, enabled != 0) ? 0 : -1;
}

/// The cell keeps what the picture shows now; the plug-in may draw the picture again for the next row.
int32_t ListOp1638(int32_t item, int32_t row, int32_t column, int32_t picture)
{
    ui::WindowItem* list = rowsItem(item);
    const ui::Picture* drawn = context().windows().picture(picture);
    if (!list || !drawn)
        return -1;
    return list->setCell(row, column, *drawn) ? 0 : -1;
}

/// The row's text as a new text object, which the caller disposes.
int32_t ListOp3451(int32_t item, int32_t row, xt::TextObject* text)
{
    ui::WindowItem* list = rowsItem(item);
    if (!text)
        return -1;
    *text = nullptr;
    if (!list || row < 0 || row >= list->rowCount())
        return -1;
    *text = context().texts().make(list->row(row));
    return *text ? 0 : -1;
}

/// Fills the picture with the swatch's colour (xt::ColourSwatch).
int32_t DrawingOp1784(int32_t picture, const void* swatch, int32_t)
{
    ui::Picture* target = context().windows().picture(picture);
    if (!target || !swatch)
        return -1;
    xt::ColourSwatch colour{};
    std::memcpy(&colour, swatch, sizeof colour);
    target->fill = ui::PictureFill{colour.red, colour.green, colour.blue};
    return 0;
}

/// Moves the pen to (x, y); with a bitmap of the plug-in's, draws it there.
int32_t DrawingOp1783(int32_t picture, int32_t, int32_t bitmapId, int32_t x, int32_t y)
{
    ui::Picture* target = context().windows().picture(picture);
    if (!target || bitmapId < 0)
        return -1;
    target->penX = x;
    target->penY = y;
    if (bitmapId != 0)
        target->marks.push_back({x, y, bitmapId, {}});
    return 0;
}

/// Draws the text at the pen.
int32_t DrawingOp3465(int32_t picture, xt::TextObject text)
{
    ui::Picture* target = context().windows().picture(picture);
    const std::string* chars = context().texts().find(text);
    if (!target || !chars)
        return -1;
    target->marks.push_back({target->penX, target->penY, 0, *chars});
    return 0;
}

} // namespace

void registerListOps(OperationRegistry& registry)
{
    registry.add<xt::op::ListOp1594, &ListOp1594>();
    registry.add<xt::op::ListOp1595, &ListOp1595>();
    registry.add<xt::op::ListOp1631, &ListOp1631>();
    registry.add<xt::op::ListOp1614, &ListOp1614>();
    registry.add<xt::op::ListOp1621, &ListOp1621>();
    registry.add<xt::op::ListOp1638, &ListOp1638>();
    registry.add<xt::op::ListOp3451, &ListOp3451>();
    registry.add<xt::op::DrawingOp1784, &DrawingOp1784>();
    registry.add<xt::op::DrawingOp1783, &DrawingOp1783>();
    registry.add<xt::op::DrawingOp3465, &DrawingOp3465>();
}

} // namespace host::api
