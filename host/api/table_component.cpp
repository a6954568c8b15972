// The "XPTA" table component: which items are tables, their grid, track sizes, cells and grid lines.
#include <optional>
#include <tuple>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"

namespace host::api {
namespace {

constexpr int32_t kLineWidth = 0;    // the only grid-line attribute the host keeps
constexpr xt::Fixed kNoWeight = -2;  // the named lines have no single weight

model::Table* findTable(int32_t ref)
{
    model::ItemStore* items = currentItems();
    return items ? items->table(ref) : nullptr;
}

int32_t XptaOp40(int32_t item, uint8_t* isTable)
{
    if (!isTable || !findItem(item))
        return -1;
    *isTable = findTable(item) ? 1 : 0;
    return 0;
}

/// Answered for the scalers, which only call it; the byte is left as the caller set it.
int32_t XptaOp44(int32_t item, uint8_t*)
{
    return findItem(item) ? 0 : -1;
}

/// The table of a table item or of one of its cells; `table` is left alone for any other item.
int32_t GetTableOfItem(int32_t item, int32_t* table)
{
    const model::Item* found = findItem(item);
    if (!found || !table)
        return -1;
    if (findTable(item)) {
        *table = item;
        return 0;
    }
    if (!findTable(found->parent()))
        return -1;
    *table = found->parent();
    return 0;
}

int32_t GetTableGridSize(int32_t table, int16_t* columns, int16_t* rows)
{
    const model::Table* grid = findTable(table);
    if (!grid || !columns || !rows)
        return -1;
    *columns = grid->columnCount();
    *rows = grid->rowCount();
    return 0;
}

int32_t GetTableTrackSizes(int32_t table, xt::Fixed** widths, xt::Fixed** heights)
{
    model::Table* grid = findTable(table);
    if (!grid || !widths || !heights)
        return -1;
    std::tie(*widths, *heights) = grid->scratchTrackSizes();
    return 0;
}

/// Stores the sizes; the cells stay where they are.
int32_t SetTableTrackSizes(int32_t table, const xt::Fixed* widths, const xt::Fixed* heights, int32_t)
{
    model::Table* grid = findTable(table);
    if (!grid)
        return -1;
    grid->setTrackSizes(widths, heights);
    return 0;
}

int32_t GetTableCell(int32_t table, int32_t column, int32_t row, int32_t* cell)
{
    const model::Table* grid = findTable(table);
    if (!grid || !cell)
        return -1;
    *cell = grid->cell(column, row);
    return 0;
}

/// The lines a call names: `rowCount` row lines and `columnCount` column lines.
struct NamedLines {
    const int32_t* rows;
    const int32_t* columns;
    int32_t rowCount;
    int32_t columnCount;

    bool valid(const model::Table& grid) const
    {
        if (rowCount < 0 || columnCount < 0 || (rowCount > 0 && !rows) || (columnCount > 0 && !columns))
            return false;
        for (int32_t i = 0; i < rowCount; ++i) {
            if (rows[i] < 0 || rows[i] > grid.rowCount())
                return false;
        }
        for (int32_t i = 0; i < columnCount; ++i) {
            if (columns[i] < 0 || columns[i] > grid.columnCount())
                return false;
        }
        return true;
    }
};

/// The weight the named lines share, or -2 when they have none in common (or none are named).
int32_t GetTableLineWeight(int32_t table, int32_t attribute, const int32_t* rows, const int32_t* columns,
    int32_t rowCount, int32_t columnCount, xt::Fixed* weight)
{
    const model::Table* grid = findTable(table);
    const NamedLines lines{rows, columns, rowCount, columnCount};
    if (!grid || !weight || attribute != kLineWidth || !lines.valid(*grid))
        return -1;
    std::optional<xt::Fixed> shared;
    bool mixed = false;
    auto meet = [&](xt::Fixed value) {
        mixed = mixed || (shared && *shared != value);
        shared = value;
    };
    for (int32_t i = 0; i < rowCount; ++i)
        meet(grid->rowLine(rows[i]));
    for (int32_t i = 0; i < columnCount; ++i)
        meet(grid->columnLine(columns[i]));
    *weight = shared && !mixed ? *shared : kNoWeight;
    return 0;
}

int32_t SetTableLineWeight(int32_t table, int32_t attribute, xt::Fixed weight, const int32_t* rows,
    const int32_t* columns, int32_t rowCount, int32_t columnCount)
{
    model::Table* grid = findTable(table);
    const NamedLines lines{rows, columns, rowCount, columnCount};
    if (!grid || attribute != kLineWidth || weight < 0 || !lines.valid(*grid))
        return -1;
    for (int32_t i = 0; i < rowCount; ++i)
        grid->setRowLine(rows[i], weight);
    for (int32_t i = 0; i < columnCount; ++i)
        grid->setColumnLine(columns[i], weight);
    return 0;
}

} // namespace

void registerTableComponent(OperationRegistry& registry)
{
    registry.addComponent<xt::component::GetTableOfItem, &GetTableOfItem>();
    registry.addComponent<xt::component::GetTableGridSize, &GetTableGridSize>();
    registry.addComponent<xt::component::GetTableTrackSizes, &GetTableTrackSizes>();
    registry.addComponent<xt::component::SetTableTrackSizes, &SetTableTrackSizes>();
    registry.addComponent<xt::component::GetTableCell, &GetTableCell>();
    registry.addComponent<xt::component::GetTableLineWeight, &GetTableLineWeight>();
    registry.addComponent<xt::component::SetTableLineWeight, &SetTableLineWeight>();
    registry.addComponent<xt::component::XptaOp40, &XptaOp40>();
    registry.addComponent<xt::component::XptaOp44, &XptaOp44>();
}

} // namespace host::api
