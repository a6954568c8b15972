// Makes the items read from a document in a layout, and answers where each written reference went.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/model/items_json.h"

namespace host::model {
namespace {

using RefMap = std::map<int32_t, int32_t>;

int32_t pageRefOf(const Layout& layout, const ItemData& data)
{
    if (data.master)
        return layout.masters().page(data.page - 1).ref();
    return data.page == 0 ? 0 : layout.page(data.page - 1).ref();
}

/// The fields every item keeps beside its geometry; `apply` takes the rectangle too, so it is set after.
void applyFields(const ItemData& data, Item& item, Layout& layout)
{
    item.apply(data.record);
    if (!item.hasShapeData() && !item.isGroupKind())
        item.setRect(data.rect);
    layout.items().setPageOf(item, pageRefOf(layout, data));
    item.setLocked(data.locked);
    item.setLayer(data.layer);
    item.setName(data.name);
    if (data.shadow)
        item.setDropShadow(*data.shadow);
    if (data.picture)
        item.setPictureFile(*data.picture);
}

/// The outline's rectangle is its own, not always the one round its points (a mapped outline keeps its frame).
void restoreShapeRect(Item& item, const xt::FixedRect& rect)
{
    const xt::RecordRect header{rect.top, rect.left, rect.bottom, rect.right};
    xt::writeAt(*item.shapeData()->handle(), header, offsetof(xt::ShapeDataHeader, rect));
}

Item* makeTable(const ItemData& data, Layout& layout, RefMap& refs)
{
    ItemStore& store = layout.items();
    Item& tableItem = store.addTable(pageRefOf(layout, data), {0, 0}, data.widths, data.heights, 0);
    Table& grid = *store.table(tableItem.ref());
    for (size_t k = 0; k < data.columnLines.size(); ++k)
        grid.setColumnLine(static_cast<int32_t>(k), data.columnLines[k]);
    for (size_t k = 0; k < data.rowLines.size(); ++k)
        grid.setRowLine(static_cast<int32_t>(k), data.rowLines[k]);
    const std::vector<int32_t> made = grid.cells();
    for (size_t i = 0; i < made.size(); ++i) {
        if (!data.cells[i]) {
            store.remove(made[i]);
            continue;
        }
        applyFields(*data.cells[i], *store.find(made[i]), layout);
        refs[data.cells[i]->ref] = made[i];
    }
    return &tableItem;
}

Item* makeGroup(const ItemData& data, Layout& layout, const RefMap& refs)
{
    std::vector<int32_t> members;
    for (int32_t written : data.members) {
        const auto found = refs.find(written);
        if (found != refs.end())
            members.push_back(found->second);
    }
    return members.empty() ? nullptr : layout.items().addGroup(members);
}

Item* makeItem(const ItemData& data, Layout& layout, RefMap& refs)
{
    const int32_t pageRef = pageRefOf(layout, data);
    if (data.isTable)
        return makeTable(data, layout, refs);
    if (data.kind == xt::BoxKind::Group)
        return makeGroup(data, layout, refs);
    if (!xt::shape::hasShapeData(data.shape))
        return &layout.items().addItem(pageRef, data.kind, data.shape, data.rect);
    Item* shaped = layout.items().addShaped(pageRef, data.kind, data.shape, data.points);
    if (shaped)
        restoreShapeRect(*shaped, data.rect);
    return shaped;
}

/// The items in the order a writer lists them: page by page (items on no page after the document
/// pages, then the master pages), a group's members before it. Made in that order, items take their
/// references in it, so a document read and written again lists the same references, whatever order
/// its items came in.
std::vector<const ItemData*> inWritingOrder(const std::deque<ItemData>& items)
{
    std::map<int32_t, size_t> groupOf; // member reference -> index of the group that holds it
    for (size_t i = 0; i < items.size(); ++i) {
        for (int32_t member : items[i].members)
            groupOf[member] = i;
    }
    const auto pageKey = [&](size_t i) {
        // A member goes where its outermost group goes; the reader saw to it that groups do not loop.
        for (auto holder = groupOf.find(items[i].ref); holder != groupOf.end(); holder = groupOf.find(items[i].ref))
            i = holder->second;
        constexpr size_t kPasteboard = SIZE_MAX / 2;
        if (items[i].master)
            return kPasteboard + items[i].page;
        return items[i].page == 0 ? kPasteboard : items[i].page;
    };
    std::vector<size_t> order(items.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::vector<size_t> keys(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        keys[i] = pageKey(i);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<const ItemData*> sorted;
    sorted.reserve(order.size());
    for (size_t i : order)
        sorted.push_back(&items[i]);
    return sorted;
}

} // namespace

std::map<int32_t, int32_t> applyLayoutItems(const LayoutItemsData& data, Layout& layout)
{
    RefMap refs;
    for (const ItemData* sorted : inWritingOrder(data.items)) {
        const ItemData& itemData = *sorted;
        // An item the host has no memory for is left out; what refers to it finds nothing.
        Item* item = makeItem(itemData, layout, refs);
        if (!item)
            continue;
        applyFields(itemData, *item, layout);
        refs[itemData.ref] = item->ref();
    }
    return refs;
}

} // namespace host::model
