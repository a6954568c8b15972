// Writes a layout's items: kind, shape, geometry, the record's bytes and the fields kept beside it.
#include <cstdio>
#include <cstring>

#include "host/model/document_json_points.h"
#include "host/model/items_json.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;

std::string toHex(const void* bytes, size_t size)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(size * 2);
    for (size_t i = 0; i < size; ++i) {
        const uint8_t byte = static_cast<const uint8_t*>(bytes)[i];
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

Json rectJson(const xt::FixedRect& rect)
{
    return Json::array({pointsFromFixed(rect.top), pointsFromFixed(rect.left), pointsFromFixed(rect.bottom), pointsFromFixed(rect.right)});
}

Json lengthsJson(const std::vector<xt::Fixed>& lengths)
{
    Json list = Json::array();
    for (xt::Fixed length : lengths)
        list.push_back(pointsFromFixed(length));
    return list;
}

/// How a list numbers its items' pages: "items" the document pages from 1 (0 for an item on none),
/// "masterItems" the master pages from 1. A member or cell that is not on a master page (a group the
/// file could not have made) is written on the master page of the item that holds it.
struct PageNumbering {
    bool masters = false;
    size_t holderPage = 0;
};

size_t pageNumberOf(const Layout& layout, int32_t pageRef, const PageNumbering& numbering)
{
    if (numbering.masters) {
        const int64_t index = layout.masters().indexOf(pageRef);
        return index >= 0 ? static_cast<size_t>(index) + 1 : numbering.holderPage;
    }
    const auto index = layout.indexOfPage(pageRef);
    return index ? *index + 1 : 0;
}

void writeGeometry(const Item& item, Json& object)
{
    if (item.isGroupKind())
        return;
    if (const ShapeData* data = item.shapeData()) {
        object["rect"] = rectJson(data->rect());
        Json points = Json::array();
        for (const xt::FixedPoint& point : data->points())
            points.push_back(Json::array({pointsFromFixed(point.v), pointsFromFixed(point.h)}));
        object["points"] = std::move(points);
        return;
    }
    object["rect"] = rectJson(item.rect());
}

Json itemJson(const Layout& layout, const Item& item, const PageNumbering& numbering);

Json tableJson(const Layout& layout, int32_t tableRef, const PageNumbering& numbering)
{
    // The store hands out its tables only for change; nothing here changes one.
    const Table& table = *const_cast<ItemStore&>(layout.items()).table(tableRef);
    std::vector<xt::Fixed> columnLines;
    std::vector<xt::Fixed> rowLines;
    for (int32_t k = 0; k <= table.columnCount(); ++k)
        columnLines.push_back(table.columnLine(k));
    for (int32_t k = 0; k <= table.rowCount(); ++k)
        rowLines.push_back(table.rowLine(k));
    Json cells = Json::array();
    for (int32_t cell : table.cells()) {
        const Item* item = layout.items().find(cell);
        cells.push_back(item ? itemJson(layout, *item, numbering) : Json());
    }
    return {{"widths", lengthsJson(table.widths())}, {"heights", lengthsJson(table.heights())},
        {"columnLines", lengthsJson(columnLines)}, {"rowLines", lengthsJson(rowLines)}, {"cells", std::move(cells)}};
}

Json itemJson(const Layout& layout, const Item& item, const PageNumbering& numbering)
{
    xt::BoxRecord record = item.record();
    // The rectangle and points are written apart; a shaped item's handle means nothing in a file.
    record.geometry.rect = xt::FixedRect{};
    Json object = {{"ref", item.ref()}, {"page", pageNumberOf(layout, item.pageRef(), numbering)},
        {"kind", static_cast<int>(item.kind())}, {"shape", item.shape()}};
    writeGeometry(item, object);
    // A field that holds what a new item has is left out (a reader starts from a new item): documents of
    // many thousands of items are read and written whole, and every key costs memory there.
    if (item.angle() != 0)
        object["angle"] = pointsFromFixed(item.angle());
    if (item.weight() != 0)
        object["weight"] = pointsFromFixed(item.weight());
    if (item.outset(0) != 0 || item.outset(1) != 0 || item.outset(2) != 0 || item.outset(3) != 0)
        object["outsets"] = lengthsJson({item.outset(0), item.outset(1), item.outset(2), item.outset(3)});
    if (item.corner() != 0)
        object["corner"] = pointsFromFixed(item.corner());
    if (item.flags() != 0)
        object["flags"] = item.flags();
    if (item.lineStyle() != 0)
        object["lineStyle"] = item.lineStyle();
    static constexpr const char* kArrowNames[] = {"none", "first", "second", "both"};
    if (item.arrowheads() != 0)
        object["arrows"] = kArrowNames[item.arrowheads()];
    object["colour"] = colourReference(layout.colours(), item.frame().colour);
    if (item.frame().shade != xt::kFixedOne)
        object["shade"] = pointsFromFixed(item.frame().shade);
    object["background"] = colourReference(layout.colours(), item.background().colour);
    if (item.background().shade != 0)
        object["backgroundShade"] = pointsFromFixed(item.background().shade);
    if (const auto picture = item.pictureColour())
        object["pictureColour"] = colourReference(layout.colours(), *picture);
    if (item.isLocked())
        object["locked"] = true;
    if (item.layer() != 0)
        object["layer"] = item.layer();
    if (!item.name().empty())
        object["name"] = item.name();
    if (const auto& shadow = item.dropShadow())
        object["dropShadow"] = toHex(&*shadow, sizeof *shadow);
    if (item.groupRole() == GroupRole::Group)
        object["members"] = item.members();
    if (item.groupRole() == GroupRole::Table)
        object["table"] = tableJson(layout, item.ref(), numbering);
    if (const PictureFile* picture = item.pictureFile())
        object["picture"] = {{"file", picture->path}, {"width", pointsFromFixed(picture->size.width)},
            {"height", pointsFromFixed(picture->size.height)}};
    // A box's own fields (a picture's place and scale, a text box's insets and columns), when it has any.
    using Content = decltype(record.content);
    Content content = record.content;
    if (item.kind() == xt::BoxKind::Picture)
        content.picture.colour = 0;  // written by name as "pictureColour"
    static const Content kNoContent{};
    if (std::memcmp(&content, &kNoContent, sizeof content) != 0)
        object["content"] = toHex(&record.content, sizeof record.content);
    // Every other byte is a named field above; the record is written only for bytes the host gives no meaning.
    if (item.hasUnmodelledBytes())
        object["record"] = toHex(&record, sizeof record);
    return object;
}

/// A group's members go first, so a reader makes them before the group that holds them.
void giveItem(const Layout& layout, const Item& item, const PageNumbering& numbering, const JsonSink& sink)
{
    if (item.groupRole() == GroupRole::Group) {
        for (int32_t member : item.members()) {
            if (const Item* found = layout.items().find(member))
                giveItem(layout, *found, numbering, sink);
        }
    }
    sink(itemJson(layout, item, numbering));
}

void addList(const Layout& layout, const char* key, void (*each)(const Layout&, const JsonSink&), Json& object)
{
    Json items = Json::array();
    each(layout, [&items](Json item) { items.push_back(std::move(item)); });
    if (!items.empty())
        object[key] = std::move(items);
}

} // namespace

void forEachItemJson(const Layout& layout, const JsonSink& sink)
{
    for (size_t i = 0; i <= layout.pageCount(); ++i) {
        const int32_t pageRef = i < layout.pageCount() ? layout.page(i).ref() : 0;
        for (int32_t ref : layout.items().topLevelOnPage(pageRef))
            giveItem(layout, *layout.items().find(ref), {}, sink);
    }
}

void forEachMasterItemJson(const Layout& layout, const JsonSink& sink)
{
    for (size_t i = 0; i < layout.masters().pageCount(); ++i) {
        const PageNumbering numbering{true, i + 1};
        for (int32_t ref : layout.items().topLevelOnPage(layout.masters().page(i).ref()))
            giveItem(layout, *layout.items().find(ref), numbering, sink);
    }
}

void writeLayoutItems(const Layout& layout, nlohmann::ordered_json& object)
{
    addList(layout, kItemsKey, forEachItemJson, object);
    addList(layout, kMasterItemsKey, forEachMasterItemJson, object);
}

} // namespace host::model
