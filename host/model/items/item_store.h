// The items of one layout: found by reference in constant time, kept in stacking order, placed on
// pages, grouped, and selected.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/model/items/item.h"
#include "host/model/items/item_index.h"
#include "host/model/items/item_session.h"
#include "host/model/items/table.h"
#include "host/model/reference_allocator.h"

namespace host::model {

class ItemStore {
public:
    explicit ItemStore(ReferenceAllocator& references);
    ItemStore(const ItemStore&) = delete;
    ItemStore& operator=(const ItemStore&) = delete;

    // Making and removing items. New items go in front of all others.
    /// A box or a line: a line's rectangle is its record's (first end at top-left, second at bottom-right).
    Item& addItem(int32_t pageRef, xt::BoxKind kind, uint8_t shape, const xt::FixedRect& rect);
    /// A point-list or Bezier item whose rectangle holds its points; null when memory runs out.
    Item* addShaped(int32_t pageRef, xt::BoxKind kind, uint8_t shape, const std::vector<xt::FixedPoint>& points);
    /// A real group of top-level items; null when a member is unknown or already in a group.
    Item* addGroup(const std::vector<int32_t>& members);
    /// A table with a text cell per column and row, placed from `topLeft`.
    Item& addTable(int32_t pageRef, xt::FixedPoint topLeft, const std::vector<xt::Fixed>& widths,
        const std::vector<xt::Fixed>& heights, xt::Fixed lineWeight);
    /// Removes the item; a group or table takes its members with it. False for an unknown reference.
    bool remove(int32_t ref);

    /// An item taken out whole, to be put back later under its own reference (an undone command's items).
    struct TakenItem {
        std::unique_ptr<Item> item;
        std::optional<Table> table;
    };
    /// Takes the item out (not its members: take those too); nothing of it is destroyed.
    std::optional<TakenItem> takeOut(int32_t ref);
    /// Puts an item taken out back in its place in the stacking order; false when its reference is in use.
    bool putBack(TakenItem taken);

    Item* find(int32_t ref) { return m_items.find(ref); }
    const Item* find(int32_t ref) const { return m_items.find(ref); }
    Table* table(int32_t ref);
    const Table* table(int32_t ref) const;
    /// The item whose shape data lives in `handle`, or null.
    Item* ownerOfShapeData(xt::Handle handle);
    size_t size() const { return m_items.size(); }
    /// Items that belong to no group, on the page, back to front.
    std::vector<int32_t> topLevelOnPage(int32_t pageRef) const;
    /// Every item on the page but pseudo-groups, members included, back to front (ascending references).
    const std::vector<int32_t>& onPage(int32_t pageRef) const;
    /// Puts the item (not its members) on another page.
    void setPageOf(Item& item, int32_t pageRef);
    /// Every item but pseudo-groups, back to front. References only grow and new items go in front,
    /// so the list is in ascending reference order.
    const std::vector<int32_t>& stackingOrder() const { return m_order; }
    /// The page a removed item was on, so that a walk can go on from an item its caller deleted.
    std::optional<int32_t> pageOfRemoved(int32_t ref) const;
    /// The first item (back to front) with this name, or 0.
    int32_t named(std::string_view name) const;

    /// The rectangle an item covers; a group's is that of its members.
    xt::FixedRect bounds(const Item& item) const;
    /// The record of an item, a group's rectangle included.
    xt::BoxRecord recordOf(const Item& item) const;
    /// The same, written over `record`.
    void writeRecordOf(const Item& item, xt::BoxRecord& record) const;
    /// Moves the item, a group's and a table's members with it.
    void moveBy(Item& item, xt::Fixed dv, xt::Fixed dh);

    // The selection (selection_ops.cpp).
    /// The current item, or 0; a slot that names no item counts as none.
    int32_t current() const;
    bool select(int32_t ref);
    /// Makes the items current: none, the one, or a pseudo-group standing for them all (the latest
    /// pseudo-group again when it stands for the same items). Returns the current item.
    int32_t selectItems(const std::vector<int32_t>& items);
    /// GetGroupItem: gathers `item` into the selection being built; `last` finishes it.
    int32_t gather(int32_t item, bool last);
    /// XgsOp3970: re-closes an open group, or makes the current pseudo-group a real group; 0 when
    /// there is nothing to group.
    int32_t groupSelection(int32_t requested);
    /// XgsOp3971: opens a real group and selects its members as a pseudo-group.
    bool ungroupToSelection(int32_t group);
    /// XgsOp712: closes a group and selects it, or selects the latest pseudo-group again.
    bool closeAndSelect(int32_t group);

    Selection& selection() { return m_selection; }
    const Selection& selection() const { return m_selection; }
    RecordPool& records() { return m_records; }
    PendingTransforms& transforms() { return m_transforms; }
    CommandState& commands() { return m_commands; }

    /// The window that shows the layout, and its current page (0: the layout's first page).
    int32_t windowRef();
    bool showsWindow(int32_t window) const { return window != 0 && window == m_windowRef; }
    int32_t currentPage() const { return m_currentPage; }
    void setCurrentPage(int32_t pageRef) { m_currentPage = pageRef; }

    /// What BoxServiceTest and DocumentServiceTest answer (no host service owns items unless a test says so).
    bool serviceOwnsBoxes() const { return m_serviceOwnsBoxes; }
    void setServiceOwnsBoxes(bool owns) { m_serviceOwnsBoxes = owns; }

    /// The layer new items go on (the layout's current layer).
    void setNewItemLayer(int32_t layer) { m_newItemLayer = layer; }

private:
    Item& insert(std::unique_ptr<Item> item);
    void forget(int32_t ref);
    void addToPage(int32_t pageRef, int32_t ref);
    void dropFromPage(int32_t pageRef, int32_t ref);
    Item& newPseudoGroup(const std::vector<int32_t>& members);

    ReferenceAllocator* m_references;
    int32_t m_newItemLayer = 0;
    ItemIndex m_items;
    std::vector<int32_t> m_order;
    /// The stacking order split by page, so that a page's items are found without looking at the others'.
    std::unordered_map<int32_t, std::vector<int32_t>> m_byPage;
    std::unordered_map<int32_t, int32_t> m_removedPages; // removed item -> the page it was on
    std::unordered_map<xt::Handle, int32_t> m_shapeOwners;
    std::map<int32_t, Table> m_tables;
    Selection m_selection;
    RecordPool m_records;
    PendingTransforms m_transforms;
    CommandState m_commands;
    int32_t m_windowRef = 0;
    int32_t m_currentPage = 0;
    bool m_serviceOwnsBoxes = false;
};

} // namespace host::model
