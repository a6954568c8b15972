// Reading and restoring the drop shadow and table grid of an item through the host's components.
#include "amplex/undo/outside_state.h"

#include "foundation/binding/component_calls.h"
#include "foundation/binding/host_failures.h"

namespace amplex {
namespace {

constexpr int32_t kLineWidth = 0;

std::optional<xt::DropShadowRecord> readShadow(int32_t item)
{
    uint8_t hasShadow = 0;
    if (xt::calls::DropShadowOp8(item, &hasShadow, 0) != 0 || hasShadow == 0)
        return std::nullopt;
    xt::DropShadowRecord shadow{};
    if (foundation::watched(xt::calls::GetDropShadow(item, &shadow)) != 0)
        return std::nullopt;
    return shadow;
}

/// Weight of column line k (rows false) or row line k; the component names lines by two lists.
std::optional<xt::Fixed> lineWeight(int32_t table, int32_t k, bool row)
{
    const int32_t none = 0;
    xt::Fixed weight = 0;
    const int32_t status = row ? xt::calls::GetTableLineWeight(table, kLineWidth, &k, &none, 1, 0, &weight)
                               : xt::calls::GetTableLineWeight(table, kLineWidth, &none, &k, 0, 1, &weight);
    if (foundation::watched(status) != 0)
        return std::nullopt;
    return weight;
}

std::vector<xt::Fixed> lineWeights(int32_t table, int16_t count, bool rows)
{
    std::vector<xt::Fixed> weights;
    for (int32_t k = 0; k <= count; ++k)
        weights.push_back(lineWeight(table, k, rows).value_or(-1));
    return weights;
}

std::optional<TableGrid> readGrid(int32_t item)
{
    int32_t table = 0;
    int16_t columns = 0, rows = 0;
    if (foundation::watched(xt::calls::GetTableOfItem(item, &table)) != 0 || foundation::watched(xt::calls::GetTableGridSize(table, &columns, &rows)) != 0)
        return std::nullopt;
    xt::Fixed* widths = nullptr;
    xt::Fixed* heights = nullptr;
    if (foundation::watched(xt::calls::GetTableTrackSizes(table, &widths, &heights)) != 0 || !widths || !heights || columns < 0 || rows < 0)
        return std::nullopt;
    // Copied out at once: the host's arrays last only until the next table call.
    TableGrid grid{{widths, widths + columns}, {heights, heights + rows}, {}, {}};
    grid.columnLines = lineWeights(table, columns, false);
    grid.rowLines = lineWeights(table, rows, true);
    return grid;
}

void restoreLines(int32_t table, const std::vector<xt::Fixed>& weights, bool rows)
{
    const int32_t none = 0;
    for (int32_t k = 0; k < static_cast<int32_t>(weights.size()); ++k) {
        // A line the host could not read is left as it is.
        if (weights[k] < 0)
            continue;
        const int32_t status = rows ? xt::calls::SetTableLineWeight(table, kLineWidth, weights[k], &k, &none, 1, 0)
                                    : xt::calls::SetTableLineWeight(table, kLineWidth, weights[k], &none, &k, 0, 1);
        foundation::watched(status);
    }
}

void restoreGrid(int32_t item, const TableGrid& grid)
{
    int32_t table = 0;
    if (foundation::watched(xt::calls::GetTableOfItem(item, &table)) != 0)
        return;
    int16_t columns = 0, rows = 0;
    // A table whose grid changed shape since is not the one recorded.
    if (foundation::watched(xt::calls::GetTableGridSize(table, &columns, &rows)) != 0
        || static_cast<size_t>(columns) != grid.widths.size() || static_cast<size_t>(rows) != grid.heights.size())
        return;
    foundation::watched(xt::calls::SetTableTrackSizes(table, grid.widths.data(), grid.heights.data(), 0));
    restoreLines(table, grid.columnLines, false);
    restoreLines(table, grid.rowLines, true);
}

} // namespace

std::optional<OutsideState> readOutsideState(int32_t item, TableItem table)
{
    OutsideState state{item, readShadow(item), std::nullopt};
    if (table == TableItem::Yes)
        state.table = readGrid(item);
    if (!state.shadow && !state.table)
        return std::nullopt;
    return state;
}

void restoreOutsideState(const OutsideState& state)
{
    if (state.shadow)
        foundation::watched(xt::calls::SetDropShadow(state.item, &*state.shadow));
    if (state.table)
        restoreGrid(state.item, *state.table);
}

} // namespace amplex
