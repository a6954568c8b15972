// The host's menu bar: menus the plug-ins create, their items, and the lines a person reads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host::ui {

struct MenuItem {
    uint16_t id = 0;
    std::string text;
    bool enabled = true;
    bool separator = false;
    int32_t submenu = 0;  // the menu this item opens, 0 for a command
};

class Menu {
public:
    Menu(int32_t id, std::string title) : m_id(id), m_title(std::move(title)) {}

    int32_t id() const { return m_id; }
    const std::string& title() const { return m_title; }
    const std::vector<MenuItem>& items() const { return m_items; }

    void append(MenuItem item) { m_items.push_back(std::move(item)); }
    MenuItem* findItem(uint16_t itemId);
    const MenuItem* findItem(uint16_t itemId) const;

private:
    int32_t m_id;
    std::string m_title;
    std::vector<MenuItem> m_items;
};

/// Where a menu item sits: the menu's id and the item's id.
struct MenuItemPlace {
    int32_t menuId;
    uint16_t itemId;
    /// An item on the way to it (one that opens a submenu) is disabled, so a user cannot reach it.
    bool behindDisabled = false;
};

class MenuBar {
public:
    /// Creates a menu that is not yet in the bar; returns its id (never 0).
    int32_t newMenu(std::string title);
    /// Hangs a created menu on an item, which then opens it. Refused for a separator, a menu in the bar, a menu
    /// that already hangs somewhere, and a menu that holds (at any depth) the item's own menu.
    bool attachSubmenu(int32_t menuId, uint16_t itemId, int32_t submenuId);
    /// Puts a created menu into the bar before the menu `beforeId`, or at the end for -1 (or an unknown id).
    bool insertMenu(int32_t menuId, int32_t beforeId);
    /// A fresh item id, unique across every menu and every plug-in.
    uint16_t newItemId();

    bool appendSeparator(int32_t menuId, uint16_t itemId);
    bool appendItem(int32_t menuId, uint16_t itemId, std::string text);
    bool setEnabled(int32_t menuId, uint16_t itemId, bool enabled);
    bool setText(int32_t menuId, uint16_t itemId, std::string text);

    const Menu* findMenu(int32_t menuId) const;
    /// The menus in the bar, left to right.
    std::vector<const Menu*> barMenus() const;

    /// One line per item of the menus in the bar: "VORNE > Cellora...", a separator "VORNE > ---",
    /// a disabled item in parentheses "VORNE > (Amplex...)"; an item that opens a submenu, then each item of the
    /// submenu under its path: "VORNE > Rulora", "VORNE > Rulora > Grids...".
    std::vector<std::string> lines() const;
    /// Finds an item by "Title > Label" or "Title > Label > Label..." through submenus (the labels as shown,
    /// without the parentheses of a disabled item).
    std::optional<MenuItemPlace> find(std::string_view labels) const;
    const MenuItem* item(MenuItemPlace place) const;

private:
    Menu* findMenu(int32_t menuId);
    bool holds(int32_t menuId, int32_t wanted) const;
    bool hangsSomewhere(int32_t menuId) const;
    void addLines(const Menu& menu, const std::string& path, std::vector<std::string>& lines) const;

    std::vector<Menu> m_menus;     // every menu created, in creation order
    std::vector<int32_t> m_bar;    // ids of the menus in the bar, left to right
    int32_t m_nextMenuId = 1000;   // menu ids are the host's choice; they start above the host's own menus
    uint16_t m_nextItemId = 1;
};

} // namespace host::ui
