// Lists and popups loaded from the plug-in's menu resources, values kept with rows, and picture objects.
#include <algorithm>
#include <cstring>

#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/ui/dialog_resource.h"
#include "win32/standin.h"
#include "win32/windows.h"
#include "xtapi/dialogs.h"

namespace host::api {
namespace {

ui::WindowItem* targetItem(int32_t item)
{
    ui::Window* window = context().windows().target();
    return window ? window->item(item) : nullptr;
}

ui::WindowItem* rowsItem(int32_t item)
{
    ui::WindowItem* found = targetItem(item);
    return found && found->hasRows() ? found : nullptr;
}

/// The calling plug-in's resource of this type and id, or null.
const xt::Resource* ownResource(xt::FourLetterCode type, int32_t id)
{
    const loader::LoadedModule* module = context().plugins().current();
    return module && module->image ? win32::findResource(module->image, type, id) : nullptr;
}

int32_t ConfigureList1596(int32_t item, int32_t first, uint32_t flags, int32_t last)
{
    ui::WindowItem* list = rowsItem(item);
    if (!list)
        return -1;
    list->setSetupValue("list first", first);
    list->setSetupValue("list flags", static_cast<int32_t>(flags));
    list->setSetupValue("list last", last);
    return 0;
}

/// A Windows menu's entries as rows: a separator shows as "-", as in a menu resource.
std::vector<std::string> windowsMenuRows(HMENU menu)
{
    std::vector<std::string> rows;
    for (const win32::MenuEntry& entry : win32::menuEntries(menu))
        rows.push_back((entry.flags & MF_SEPARATOR) != 0 ? std::string("-") : entry.text);
    return rows;
}

/// The Windows menu wins when both are given; an empty Windows menu empties the popup.
int32_t SetPopupMenuResource(int32_t item, void* windowsMenu, int32_t menuId)
{
    ui::WindowItem* list = rowsItem(item);
    if (!list)
        return -1;
    if (windowsMenu) {
        const auto menu = static_cast<HMENU>(windowsMenu);
        if (GetMenuItemCount(menu) < 0)
            return -1;
        list->setRows(windowsMenuRows(menu));
        return 0;
    }
    const xt::Resource* menu = ownResource(xt::kResourceMenu, menuId);
    if (!menu)
        return -1;
    auto entries = ui::readMenuResource(menu->data, menu->size);
    if (entries.empty())
        return -1;
    list->setRows(std::move(entries));
    return 0;
}

/// Copies at most `size` bytes of what the row keeps; `length` gets how many.
int32_t ListOp1615(int32_t item, int32_t row, int32_t size, void* value, int32_t* length)
{
    ui::WindowItem* list = rowsItem(item);
    const auto kept = list ? list->rowData(row) : std::nullopt;
    if (!kept || !value || size <= 0)
        return -1;
    const size_t copied = std::min(kept->size(), static_cast<size_t>(size));
    std::memcpy(value, kept->data(), copied);
    if (length)
        *length = static_cast<int32_t>(copied);
    return 0;
}

int32_t SetListEntryValue(int32_t item, int32_t row, int32_t value)
{
    ui::WindowItem* list = rowsItem(item);
    return list && list->setRowValue(row, value) ? 0 : -1;
}

int32_t NewPictureObject()
{
    return context().windows().newPicture();
}

void DisposePictureObject(int32_t picture)
{
    // Only the bitmap goes: the plug-ins fill the same object again at once.
    context().windows().setPictureBitmap(picture, 0);
}

int32_t LoadBitmapResource(int32_t picture, int32_t, int32_t, int32_t bitmapId, int32_t)
{
    if (!context().windows().hasPicture(picture) || !ownResource(xt::kResourceBitmap, bitmapId))
        return -1;
    context().windows().setPictureBitmap(picture, bitmapId);
    return 0;
}

int32_t SetItemPicture(int32_t item, int32_t picture)
{
    ui::WindowItem* found = targetItem(item);
    if (!found || !context().windows().hasPicture(picture))
        return -1;
    found->setBitmap(context().windows().pictureBitmap(picture));
    return 0;
}

} // namespace

void registerPictureListOps(OperationRegistry& registry)
{
    registry.add<xt::op::ConfigureList1596, &ConfigureList1596>();
    registry.add<xt::op::SetPopupMenuResource, &SetPopupMenuResource>();
    registry.add<xt::op::ListOp1615, &ListOp1615>();
    registry.add<xt::op::SetListEntryValue, &SetListEntryValue>();
    registry.add<xt::op::NewPictureObject, &NewPictureObject>();
    registry.add<xt::op::DisposePictureObject, &DisposePictureObject>();
    registry.add<xt::op::LoadBitmapResource, &LoadBitmapResource>();
    registry.add<xt::op::SetItemPicture, &SetItemPicture>();
    registry.add<xt::op::DrawingOp1772, &DisposePictureObject>();
    registry.add<xt::op::DrawingOp1788, &LoadBitmapResource>();
}

} // namespace host::api
