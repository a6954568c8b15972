// The menu bar model and its lines.
#include "host/ui/menu_bar.h"

#include <algorithm>

namespace host::ui {
namespace {

constexpr std::string_view kLabelSeparator = " > ";

bool itemIdUsed(const std::vector<Menu>& menus, uint16_t itemId)
{
    return std::any_of(menus.begin(), menus.end(), [&](const Menu& menu) { return menu.findItem(itemId) != nullptr; });
}

std::string lineOf(const Menu& menu, const MenuItem& item)
{
    std::string line = menu.title() + std::string(kLabelSeparator);
    if (item.separator)
        return line + "---";
    return item.enabled ? line + item.text : line + "(" + item.text + ")";
}

} // namespace

MenuItem* Menu::findItem(uint16_t itemId)
{
    auto found = std::find_if(m_items.begin(), m_items.end(), [&](const MenuItem& item) { return item.id == itemId; });
    return found == m_items.end() ? nullptr : &*found;
}

const MenuItem* Menu::findItem(uint16_t itemId) const
{
    return const_cast<Menu*>(this)->findItem(itemId);
}

int32_t MenuBar::newMenu(std::string title)
{
    const int32_t id = m_nextMenuId++;
    m_menus.emplace_back(id, std::move(title));
    return id;
}

bool MenuBar::insertMenu(int32_t menuId, int32_t beforeId)
{
    if (!findMenu(menuId) || std::find(m_bar.begin(), m_bar.end(), menuId) != m_bar.end())
        return false;
    auto before = std::find(m_bar.begin(), m_bar.end(), beforeId);
    m_bar.insert(before, menuId);
    return true;
}

uint16_t MenuBar::newItemId()
{
    if (m_nextItemId == 0)
        return 0; // every id has been handed out
    return m_nextItemId++;
}

bool MenuBar::appendSeparator(int32_t menuId, uint16_t itemId)
{
    Menu* menu = findMenu(menuId);
    if (!menu || itemId == 0 || itemIdUsed(m_menus, itemId))
        return false;
    menu->append({itemId, {}, false, true});
    return true;
}

bool MenuBar::appendItem(int32_t menuId, uint16_t itemId, std::string text)
{
    Menu* menu = findMenu(menuId);
    if (!menu || itemId == 0 || itemIdUsed(m_menus, itemId))
        return false;
    menu->append({itemId, std::move(text), true, false});
    return true;
}

bool MenuBar::setEnabled(int32_t menuId, uint16_t itemId, bool enabled)
{
    Menu* menu = findMenu(menuId);
    MenuItem* item = menu ? menu->findItem(itemId) : nullptr;
    if (!item)
        return false;
    item->enabled = enabled;
    return true;
}

bool MenuBar::setText(int32_t menuId, uint16_t itemId, std::string text)
{
    Menu* menu = findMenu(menuId);
    MenuItem* item = menu ? menu->findItem(itemId) : nullptr;
    if (!item || item->separator)
        return false;
    item->text = std::move(text);
    return true;
}

Menu* MenuBar::findMenu(int32_t menuId)
{
    auto found = std::find_if(m_menus.begin(), m_menus.end(), [&](const Menu& menu) { return menu.id() == menuId; });
    return found == m_menus.end() ? nullptr : &*found;
}

const Menu* MenuBar::findMenu(int32_t menuId) const
{
    return const_cast<MenuBar*>(this)->findMenu(menuId);
}

std::vector<const Menu*> MenuBar::barMenus() const
{
    std::vector<const Menu*> bar;
    for (int32_t id : m_bar)
        bar.push_back(findMenu(id));
    return bar;
}

std::vector<std::string> MenuBar::lines() const
{
    std::vector<std::string> lines;
    for (const Menu* menu : barMenus()) {
        for (const MenuItem& item : menu->items())
            lines.push_back(lineOf(*menu, item));
    }
    return lines;
}

std::optional<MenuItemPlace> MenuBar::find(std::string_view labels) const
{
    const size_t cut = labels.find(kLabelSeparator);
    if (cut == std::string_view::npos)
        return std::nullopt;
    const std::string_view title = labels.substr(0, cut);
    const std::string_view label = labels.substr(cut + kLabelSeparator.size());
    for (const Menu* menu : barMenus()) {
        if (menu->title() != title)
            continue;
        for (const MenuItem& item : menu->items()) {
            if (!item.separator && item.text == label)
                return MenuItemPlace{menu->id(), item.id};
        }
    }
    return std::nullopt;
}

const MenuItem* MenuBar::item(MenuItemPlace place) const
{
    const Menu* menu = findMenu(place.menuId);
    return menu ? menu->findItem(place.itemId) : nullptr;
}

} // namespace host::ui
