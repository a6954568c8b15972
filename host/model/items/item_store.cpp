// Making, finding, measuring, moving and removing the items of a layout.
#include "host/model/items/item_store.h"

#include <algorithm>
#include <cassert>

namespace host::model {
namespace {

xt::FixedRect rectOfPoints(const std::vector<xt::FixedPoint>& points)
{
    if (points.empty())
        return {};
    xt::FixedRect rect{points[0].v, points[0].h, points[0].v, points[0].h};
    for (const auto& p : points)
        rect = unite(rect, {p.v, p.h, p.v, p.h});
    return rect;
}

} // namespace

ItemStore::ItemStore(ReferenceAllocator& references) : m_references(&references) {}

int32_t ItemStore::windowRef()
{
    // Taken when first asked for, so that a layout nobody looks at through a window uses no reference.
    if (m_windowRef == 0)
        m_windowRef = m_references->next();
    return m_windowRef;
}

Item& ItemStore::insert(std::unique_ptr<Item> item)
{
    const int32_t ref = item->ref();
    assert(ref > 0 && (m_order.empty() || ref > m_order.back()) && "the stacking order is kept in reference order");
    item->setLayer(m_newItemLayer);
    m_order.push_back(ref);
    addToPage(item->pageRef(), ref);
    return m_items.insert(std::move(item));
}

void ItemStore::addToPage(int32_t pageRef, int32_t ref)
{
    std::vector<int32_t>& refs = m_byPage[pageRef];
    refs.insert(std::lower_bound(refs.begin(), refs.end(), ref), ref);
}

void ItemStore::dropFromPage(int32_t pageRef, int32_t ref)
{
    const auto page = m_byPage.find(pageRef);
    if (page == m_byPage.end())
        return;
    std::vector<int32_t>& refs = page->second;
    const auto at = std::lower_bound(refs.begin(), refs.end(), ref);
    if (at != refs.end() && *at == ref)
        refs.erase(at);
    // A deleted page leaves no list behind.
    if (refs.empty())
        m_byPage.erase(page);
}

void ItemStore::setPageOf(Item& item, int32_t pageRef)
{
    if (item.pageRef() == pageRef)
        return;
    if (item.groupRole() != GroupRole::Selection) {
        dropFromPage(item.pageRef(), item.ref());
        addToPage(pageRef, item.ref());
    }
    item.setPageRef(pageRef);
}

const std::vector<int32_t>& ItemStore::onPage(int32_t pageRef) const
{
    static const std::vector<int32_t> none;
    const auto page = m_byPage.find(pageRef);
    return page == m_byPage.end() ? none : page->second;
}

Item& ItemStore::addItem(int32_t pageRef, xt::BoxKind kind, uint8_t shape, const xt::FixedRect& rect)
{
    auto item = std::make_unique<Item>(m_references->next(), pageRef, kind, shape);
    item->setRect(rect);
    return insert(std::move(item));
}

Item* ItemStore::addShaped(int32_t pageRef, xt::BoxKind kind, uint8_t shape, const std::vector<xt::FixedPoint>& points)
{
    auto data = ShapeData::create(rectOfPoints(points), points);
    if (!data)
        return nullptr;
    auto item = std::make_unique<Item>(m_references->next(), pageRef, kind, shape);
    m_shapeOwners.emplace(data->handle(), item->ref());
    item->setShapeData(std::move(*data));
    return &insert(std::move(item));
}

Item* ItemStore::addGroup(const std::vector<int32_t>& members)
{
    if (members.empty())
        return nullptr;
    for (int32_t member : members) {
        const Item* item = find(member);
        if (!item || item->parent() != 0 || item->groupRole() == GroupRole::Selection)
            return nullptr;
    }
    auto group = std::make_unique<Item>(m_references->next(), find(members[0])->pageRef(), xt::BoxKind::Group, xt::shape::kRectangle);
    group->setGroupRole(GroupRole::Group, members);
    for (int32_t member : members)
        find(member)->setParent(group->ref());
    return &insert(std::move(group));
}

Item& ItemStore::addTable(int32_t pageRef, xt::FixedPoint topLeft, const std::vector<xt::Fixed>& widths,
    const std::vector<xt::Fixed>& heights, xt::Fixed lineWeight)
{
    // The cells are made first: they stand behind the table, and the stacking order is in reference order.
    std::vector<int32_t> cells;
    xt::Fixed left = topLeft.h;
    for (xt::Fixed width : widths) {
        xt::Fixed top = topLeft.v;
        for (xt::Fixed height : heights) {
            cells.push_back(addItem(pageRef, xt::BoxKind::Text, xt::shape::kRectangle, {top, left, top + height, left + width}).ref());
            top += height;
        }
        left += width;
    }
    auto tableItem = std::make_unique<Item>(m_references->next(), pageRef, xt::BoxKind::Group, xt::shape::kRectangle);
    for (int32_t cell : cells)
        find(cell)->setParent(tableItem->ref());
    tableItem->setGroupRole(GroupRole::Table, cells);
    m_tables.emplace(tableItem->ref(), Table(widths, heights, cells, lineWeight));
    return insert(std::move(tableItem));
}

bool ItemStore::remove(int32_t ref)
{
    Item* item = find(ref);
    if (!item)
        return false;
    if (item->groupRole() == GroupRole::Group || item->groupRole() == GroupRole::Table) {
        for (int32_t member : std::vector<int32_t>(item->members()))
            remove(member);
    }
    if (Item* parent = find(item->parent()))
        parent->removeMember(ref);
    if (Table* grid = table(item->parent()))
        grid->replaceCell(ref, 0);
    forget(ref);
    return true;
}

void ItemStore::forget(int32_t ref)
{
    const Item& item = *find(ref);
    // A pseudo-group is in no stacking order, group or selection: forgetting it costs nothing, which
    // keeps each new selection cheap.
    if (item.groupRole() == GroupRole::Selection) {
        if (m_selection.multi() == ref)
            m_selection.setMulti(0);
        m_items.erase(ref);
        return;
    }
    // Only the latest pseudo-group is kept, so no other one can hold the item.
    if (Item* multi = find(m_selection.multi()))
        multi->removeMember(ref);
    m_selection.dropFromBuilding(ref);
    if (const ShapeData* data = item.shapeData())
        m_shapeOwners.erase(data->handle());
    m_tables.erase(ref);
    const auto at = std::lower_bound(m_order.begin(), m_order.end(), ref);
    if (at != m_order.end() && *at == ref)
        m_order.erase(at);
    dropFromPage(item.pageRef(), ref);
    m_removedPages[ref] = item.pageRef();
    m_items.erase(ref);
}

std::optional<ItemStore::TakenItem> ItemStore::takeOut(int32_t ref)
{
    const Item* item = find(ref);
    if (!item || item->groupRole() == GroupRole::Selection)
        return std::nullopt;
    if (Item* multi = find(m_selection.multi()))
        multi->removeMember(ref);
    m_selection.dropFromBuilding(ref);
    if (const ShapeData* data = item->shapeData())
        m_shapeOwners.erase(data->handle());
    TakenItem taken;
    if (auto grid = m_tables.find(ref); grid != m_tables.end()) {
        taken.table = std::move(grid->second);
        m_tables.erase(grid);
    }
    const auto at = std::lower_bound(m_order.begin(), m_order.end(), ref);
    if (at != m_order.end() && *at == ref)
        m_order.erase(at);
    dropFromPage(item->pageRef(), ref);
    taken.item = m_items.take(ref);
    return taken;
}

bool ItemStore::putBack(TakenItem taken)
{
    if (!taken.item || find(taken.item->ref()))
        return false;
    const int32_t ref = taken.item->ref();
    m_order.insert(std::lower_bound(m_order.begin(), m_order.end(), ref), ref);
    addToPage(taken.item->pageRef(), ref);
    if (const ShapeData* data = taken.item->shapeData())
        m_shapeOwners.emplace(data->handle(), ref);
    if (taken.table)
        m_tables.emplace(ref, std::move(*taken.table));
    m_removedPages.erase(ref);
    m_items.insert(std::move(taken.item));
    return true;
}

std::optional<int32_t> ItemStore::pageOfRemoved(int32_t ref) const
{
    const auto found = m_removedPages.find(ref);
    if (found == m_removedPages.end())
        return std::nullopt;
    return found->second;
}

int32_t ItemStore::named(std::string_view name) const
{
    if (name.empty())
        return 0;
    for (int32_t ref : m_order) {
        if (find(ref)->name() == name)
            return ref;
    }
    return 0;
}

Table* ItemStore::table(int32_t ref)
{
    auto found = m_tables.find(ref);
    return found == m_tables.end() ? nullptr : &found->second;
}

const Table* ItemStore::table(int32_t ref) const
{
    auto found = m_tables.find(ref);
    return found == m_tables.end() ? nullptr : &found->second;
}

Item* ItemStore::ownerOfShapeData(xt::Handle handle)
{
    auto found = m_shapeOwners.find(handle);
    return found == m_shapeOwners.end() ? nullptr : find(found->second);
}

std::vector<int32_t> ItemStore::topLevelOnPage(int32_t pageRef) const
{
    std::vector<int32_t> topLevel;
    for (int32_t ref : onPage(pageRef)) {
        if (find(ref)->parent() == 0)
            topLevel.push_back(ref);
    }
    return topLevel;
}

xt::FixedRect ItemStore::bounds(const Item& item) const
{
    if (!item.isGroupKind() || item.members().empty())
        return ownBounds(item);
    xt::FixedRect united = bounds(*find(item.members()[0]));
    for (int32_t member : item.members())
        united = unite(united, bounds(*find(member)));
    return united;
}

xt::BoxRecord ItemStore::recordOf(const Item& item) const
{
    xt::BoxRecord record;
    writeRecordOf(item, record);
    return record;
}

void ItemStore::writeRecordOf(const Item& item, xt::BoxRecord& record) const
{
    item.writeRecord(record);
    if (item.isGroupKind())
        record.geometry.rect = bounds(item);
}

void ItemStore::moveBy(Item& item, xt::Fixed dv, xt::Fixed dh)
{
    if (!item.isGroupKind()) {
        item.moveBy(dv, dh);
        return;
    }
    for (int32_t member : item.members())
        moveBy(*find(member), dv, dh);
}

} // namespace host::model
