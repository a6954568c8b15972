// Copying a table item: its grid first, then each cell as it was.
#include "host/model/pages/table_copy.h"

#include "host/model/text/text_piece.h"

namespace host::model {
namespace {

void putText(StoryStore& stories, int32_t box, const TextSnapshot& text)
{
    if (!stories.isTextBox(box) && !stories.addTextBox(box))
        return;
    if (Story* story = stories.storyOfBox(box))
        insertText(*story, 0, text);
}

} // namespace

std::optional<TableCopy> tableCopyOf(const Layout& layout, int32_t ref)
{
    const Item* item = layout.items().find(ref);
    const Table* grid = item && item->groupRole() == GroupRole::Table ? layout.items().table(ref) : nullptr;
    if (!grid)
        return std::nullopt;
    TableCopy copy;
    copy.table.kind = item->kind();
    copy.table.shape = item->shape();
    copy.table.role = GroupRole::Table;
    copy.table.record = item->record();
    copy.table.locked = item->isLocked();
    copy.table.layer = item->layer();
    copy.widths = grid->widths();
    copy.heights = grid->heights();
    for (int32_t k = 0; k <= grid->columnCount(); ++k)
        copy.columnLines.push_back(grid->columnLine(k));
    for (int32_t k = 0; k <= grid->rowCount(); ++k)
        copy.rowLines.push_back(grid->rowLine(k));
    for (int32_t cell : grid->cells())
        copy.cells.push_back(cell == 0 ? std::nullopt : snapshotOf(layout.items(), layout.stories(), cell));
    return copy;
}

int32_t rebuildTable(Layout& destination, Translation& translation, TableCopy copy, int32_t pageRef, xt::Fixed dv, xt::Fixed dh)
{
    ItemStore& items = destination.items();
    Item& tableItem = items.addTable(pageRef, {0, 0}, copy.widths, copy.heights, 0);
    Table& grid = *items.table(tableItem.ref());
    for (size_t k = 0; k < copy.columnLines.size(); ++k)
        grid.setColumnLine(static_cast<int32_t>(k), copy.columnLines[k]);
    for (size_t k = 0; k < copy.rowLines.size(); ++k)
        grid.setRowLine(static_cast<int32_t>(k), copy.rowLines[k]);
    const std::vector<int32_t> made = grid.cells();
    for (size_t i = 0; i < made.size() && i < copy.cells.size(); ++i) {
        if (!copy.cells[i]) {
            items.remove(made[i]);
            continue;
        }
        ItemSnapshot& cell = *copy.cells[i];
        translation.apply(cell);
        Item& built = *items.find(made[i]);
        built.apply(cell.record);
        built.setLocked(cell.locked);
        built.setLayer(cell.layer);
        items.moveBy(built, dv, dh);
        if (cell.text)
            putText(destination.stories(), built.ref(), *cell.text);
    }
    translation.apply(copy.table);
    tableItem.apply(copy.table.record);
    tableItem.setLocked(copy.table.locked);
    tableItem.setLayer(copy.table.layer);
    return tableItem.ref();
}

} // namespace host::model
