// Menu operations on the host's menu bar; the host copies every text it is given.
#include "host/api/operation_areas.h"
#include "host/host_context.h"

namespace host::api {
namespace {

const std::string* textOf(xt::TextObject text)
{
    return context().texts().find(text);
}

int32_t NewMenu(int32_t* menuId, xt::TextObject title)
{
    const std::string* text = textOf(title);
    if (!menuId || !text)
        return -1;
    *menuId = context().menus().newMenu(*text);
    return 0;
}

/// The scratch word receives the menu's place in the bar, counted from 0 (the host's choice).
int32_t InsertMenu(int32_t menuId, xt::TextObject /*title*/, int32_t beforeId, int32_t* scratch)
{
    auto& menus = context().menus();
    if (!menus.insertMenu(menuId, beforeId))
        return -1;
    if (scratch) {
        const auto bar = menus.barMenus();
        for (size_t i = 0; i < bar.size(); ++i) {
            if (bar[i]->id() == menuId)
                *scratch = static_cast<int32_t>(i);
        }
    }
    return 0;
}

int32_t NewMenuItemId(uint16_t* itemId)
{
    if (!itemId)
        return -1;
    const uint16_t id = context().menus().newItemId();
    if (id == 0)
        return -1;
    *itemId = id;
    return 0;
}

int32_t AppendMenuSeparator(int32_t menuId, uint16_t itemId)
{
    return context().menus().appendSeparator(menuId, itemId) ? 0 : -1;
}

int32_t AppendMenuItem(int32_t menuId, uint16_t itemId, xt::TextObject text)
{
    const std::string* label = textOf(text);
    if (!label)
        return -1;
    return context().menus().appendItem(menuId, itemId, *label) ? 0 : -1;
}

void EnableMenuItem(int32_t menuId, uint16_t itemId)
{
    context().menus().setEnabled(menuId, itemId, true);
}

void DisableMenuItem(int32_t menuId, uint16_t itemId)
{
    context().menus().setEnabled(menuId, itemId, false);
}

void SetMenuItemText(int32_t menuId, uint16_t itemId, xt::TextObject text)
{
    if (const std::string* label = textOf(text))
        context().menus().setText(menuId, itemId, *label);
}

/// The submenu has no title of its own: the item it hangs on names it.
int32_t MenuOp2642()
{
    return context().menus().newMenu("");
}

/// A failed call makes no menu: id 0, as the plug-ins test for.
int32_t noSubmenu()
{
    return 0;
}

int32_t MenuOp2655(int32_t menuId, uint16_t itemId, int32_t submenuId)
{
    return context().menus().attachSubmenu(menuId, itemId, submenuId) ? 0 : -1;
}

} // namespace

void registerMenuOperations(OperationRegistry& registry)
{
    registry.add<xt::op::NewMenu, &NewMenu>();
    registry.add<xt::op::InsertMenu, &InsertMenu>();
    registry.add<xt::op::NewMenuItemId, &NewMenuItemId>();
    registry.add<xt::op::AppendMenuSeparator, &AppendMenuSeparator>();
    registry.add<xt::op::AppendMenuItem, &AppendMenuItem>();
    registry.add<xt::op::EnableMenuItem, &EnableMenuItem>();
    registry.add<xt::op::DisableMenuItem, &DisableMenuItem>();
    registry.add<xt::op::SetMenuItemText, &SetMenuItemText>();
    registry.add<xt::op::MenuOp2642, &MenuOp2642, &noSubmenu>();
    registry.add<xt::op::MenuOp2655, &MenuOp2655>();
}

} // namespace host::api
