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

std::string lineOf(const std::string& path, const MenuItem& item)
{
    std::string line = path + std::string(kLabelSeparator);
    if (item.separator)
        return line + "---";
    return item.enabled ? line + item.text : line + "(" + item.text + ")";
}

/// "VORNE > Rulora > Grids..." as its labels.
std::vector<std::string_view> splitLabels(std::string_view labels)
{
    std::vector<std::string_view> parts;
    for (size_t cut = labels.find(kLabelSeparator); cut != std::string_view::npos; cut = labels.find(kLabelSeparator)) {
        parts.push_back(labels.substr(0, cut));
        labels.remove_prefix(cut + kLabelSeparator.size());
    }
    parts.push_back(labels);
    return parts;
}

const MenuItem* itemLabelled(const Menu& menu, std::string_view label)
{
    for (const MenuItem& item : menu.items()) {
        if (!item.separator && item.text == label)
            return &item;
    }
    return nullptr;
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

bool MenuBar::holds(int32_t menuId, int32_t wanted) const
{
    if (menuId == wanted)
        return true;
    const Menu* menu = findMenu(menuId);
    if (!menu)
        return false;
    return std::any_of(menu->items().begin(), menu->items().end(),
        [&](const MenuItem& item) { return item.submenu != 0 && holds(item.submenu, wanted); });
}

bool MenuBar::hangsSomewhere(int32_t menuId) const
{
    return std::any_of(m_menus.begin(), m_menus.end(), [&](const Menu& menu) {
        return std::any_of(menu.items().begin(), menu.items().end(), [&](const MenuItem& item) { return item.submenu == menuId; });
    });
}

bool MenuBar::attachSubmenu(int32_t menuId, uint16_t itemId, int32_t submenuId)
{
    Menu* menu = findMenu(menuId);
    MenuItem* item = menu ? menu->findItem(itemId) : nullptr;
    if (!item || item->separator || !findMenu(submenuId) || hangsSomewhere(submenuId))
        return false;
    if (std::find(m_bar.begin(), m_bar.end(), submenuId) != m_bar.end() || holds(submenuId, menuId))
        return false;
    item->submenu = submenuId;
    return true;
}

bool MenuBar::insertMenu(int32_t menuId, int32_t beforeId)
{
    if (!findMenu(menuId) || hangsSomewhere(menuId) || std::find(m_bar.begin(), m_bar.end(), menuId) != m_bar.end())
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

void MenuBar::addLines(const Menu& menu, const std::string& path, std::vector<std::string>& lines) const
{
    for (const MenuItem& item : menu.items()) {
        lines.push_back(lineOf(path, item));
        if (const Menu* submenu = item.submenu != 0 ? findMenu(item.submenu) : nullptr)
            addLines(*submenu, path + std::string(kLabelSeparator) + item.text, lines);
    }
}

std::vector<std::string> MenuBar::lines() const
{
    std::vector<std::string> lines;
    for (const Menu* menu : barMenus())
        addLines(*menu, menu->title(), lines);
    return lines;
}

std::optional<MenuItemPlace> MenuBar::find(std::string_view labels) const
{
    const auto parts = splitLabels(labels);
    if (parts.size() < 2)
        return std::nullopt;
    for (const Menu* menu : barMenus()) {
        if (menu->title() != parts.front())
            continue;
        MenuItemPlace place{menu->id(), 0};
        const Menu* current = menu;
        for (size_t i = 1; current && i < parts.size(); ++i) {
            const MenuItem* item = itemLabelled(*current, parts[i]);
            if (!item)
                break;
            if (i + 1 == parts.size())
                return MenuItemPlace{current->id(), item->id, place.behindDisabled};
            place.behindDisabled = place.behindDisabled || !item->enabled;
            current = item->submenu != 0 ? findMenu(item->submenu) : nullptr;
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
