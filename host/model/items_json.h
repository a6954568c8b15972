// A layout's items in document files: boxes, lines, shaped items, groups and tables, written beside
// its pages and read back checked in full before any of it reaches the model.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/model/colours/colours_json.h"
#include "host/model/document_model.h"
#include "host/model/items/picture_file.h"
#include "host/model/json_sink.h"

namespace host::model {

/// The key of a layout object that holds the items of its document pages and pasteboard; absent when
/// the layout has none.
inline constexpr const char* kItemsKey = "items";
/// The key that holds the items of its master pages, in the same shape, each "page" numbering the master
/// pages from 1 as "masters" lists them; absent when the masters hold none.
inline constexpr const char* kMasterItemsKey = "masterItems";

/// Adds "items" and "masterItems" to a layout's object: every item on a page or on none, a group after
/// its members.
void writeLayoutItems(const Layout& layout, nlohmann::ordered_json& object);
/// Gives the entries of "items" in the order writeLayoutItems lists them.
void forEachItemJson(const Layout& layout, const JsonSink& sink);
/// Gives the entries of "masterItems" in that order, master page by master page.
void forEachMasterItemJson(const Layout& layout, const JsonSink& sink);

/// One item as read: everything it needs to be made again, with references as written.
struct ItemData {
    int32_t ref = 0;
    size_t page = 0; // from 1; 0 for an item on no page
    bool master = false; // "page" numbers the master pages
    xt::BoxKind kind = xt::BoxKind::Plain;
    uint8_t shape = xt::shape::kRectangle;
    xt::FixedRect rect{};
    std::vector<xt::FixedPoint> points;
    xt::BoxRecord record{}; // the colours too, as numbers of the layout's table
    bool locked = false;
    int32_t layer = 0;
    std::string name;
    std::optional<xt::DropShadowRecord> shadow;
    std::optional<PictureFile> picture;  // the image file a picture box shows
    std::vector<int32_t> members; // a group's
    bool isTable = false;
    std::vector<xt::Fixed> widths;
    std::vector<xt::Fixed> heights;
    std::vector<xt::Fixed> columnLines;
    std::vector<xt::Fixed> rowLines;
    std::vector<std::optional<ItemData>> cells; // column by column; empty where a cell was removed
};

struct LayoutItemsData {
    // A deque grows without copying what it holds or keeping room it may never use: a layout of many
    // thousands of items is held whole while it is checked.
    std::deque<ItemData> items;
};

/// How many pages the items of a layout may name: its document pages and its master pages.
struct ItemPages {
    size_t pages = 0;
    size_t masterPages = 1;
};

/// Checks the layout object's "items" and "masterItems" (each may be absent) into `data`; says where
/// the first problem sits and what it is. Colours are named as `colours` knows them.
std::optional<std::pair<std::string, std::string>> readLayoutItems(const nlohmann::ordered_json& layout,
    const std::string& where, ItemPages pages, const ColourNames& colours, LayoutItemsData& data);
/// The same, letting each item's parsed form go once it is read (the layout object keeps a null in its place).
std::optional<std::pair<std::string, std::string>> readLayoutItems(nlohmann::ordered_json& layout,
    const std::string& where, ItemPages pages, const ColourNames& colours, LayoutItemsData& data);

/// Makes the items in a layout whose pages are already there; answers each written reference's new one.
std::map<int32_t, int32_t> applyLayoutItems(const LayoutItemsData& data, Layout& layout);

} // namespace host::model
