// ScaleTableItem.
#include "amplex/engine/scalers/table_scaler.h"

#include <vector>

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/scalers/box_content_scalers.h"
#include "amplex/engine/scalers/group_members.h"
#include "amplex/engine/text/text_scale_range.h"
#include "amplex/undo/record_item.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/component_calls.h"

namespace amplex {
namespace {

constexpr int32_t kContentTool = 1;
constexpr Fixed kNoLineWeight = -2;

struct Grid {
    int32_t table = 0;
    int16_t columns = 0;  // the first count: one width each
    int16_t rows = 0;     // the second count: one height each
};

std::vector<Fixed> scaledTrack(const Fixed* sizes, int16_t count, Fixed factor)
{
    std::vector<Fixed> scaled;
    if (!sizes || count <= 0)
        return scaled;
    scaled.assign(sizes, sizes + count);
    for (Fixed& size : scaled)
        size = xt::calls::FixedMultiply(size, factor);
    return scaled;
}

void scaleTracks(const Grid& grid, Factors factors)
{
    Fixed* widths = nullptr;
    Fixed* heights = nullptr;
    if (xt::calls::GetTableTrackSizes(grid.table, &widths, &heights) != 0)
        return;
    // Copied out at once: the host's arrays last only until the next table call.
    const auto newWidths = scaledTrack(widths, grid.columns, factors.h);
    const auto newHeights = scaledTrack(heights, grid.rows, factors.v);
    xt::calls::SetTableTrackSizes(grid.table, newWidths.data(), newHeights.data(), 0);
}

void scaleCell(int32_t cell)
{
    xt::calls::SetCurrentBox(cell);
    if (scalingSelection())
        RecordItemForUndo(cell, Anchored::No, Replay::Yes);
    if (xt::calls::IsTextBox(cell) != 0) {
        // A cell's story is its own: no range from an earlier box or group applies to it.
        resetTextScaleRange();
        ScaleTextBox(cell);
        return;
    }
    if (xt::calls::ItemTypeOp767(cell) != 0)
        ScalePictureBox(cell);
}

void scaleCells(const Grid& grid)
{
    for (int32_t column = 0; column < grid.columns; ++column) {
        for (int32_t row = 0; row < grid.rows; ++row) {
            int32_t cell = 0;
            if (xt::calls::GetTableCell(grid.table, column, row, &cell) == 0 && cell != 0)
                scaleCell(cell);
        }
    }
}

/// One grid line, named as the table component names it: a list of row lines and of column lines.
void scaleLine(int32_t table, int32_t rowLine, int32_t columnLine, int32_t p, int32_t q, Fixed factor)
{
    Fixed weight = 0;
    xt::calls::GetTableLineWeight(table, 0, &rowLine, &columnLine, p, q, &weight);
    if (weight == 0 || weight == kNoLineWeight)
        return;
    xt::calls::SetTableLineWeight(table, 0, xt::calls::FixedMultiply(weight, factor), &rowLine, &columnLine, p, q);
}

void scaleGridLines(const Grid& grid, Factors factors)
{
    for (int32_t k = 1; k <= grid.columns; ++k)
        scaleLine(grid.table, 0, k, 0, 1, factors.v);
    for (int32_t k = 1; k <= grid.rows; ++k)
        scaleLine(grid.table, k, 0, 1, 0, factors.h);
}

} // namespace

void ScaleTableItem(int32_t item)
{
    if (!isTableItem(item))
        return;
    TableScaleScope tableScale;
    if (scalingSelection())
        recordOutsideForUndo(item, TableItem::Yes);
    scaleShadowIfPresent(item);
    ToolKeeper tool;
    xt::calls::SetCurrentTool(kContentTool);

    const ScaleSettings& settings = currentSettings();
    const Factors trackFactors = proportional(settingsFactors(), settings.KeepTextBoxesProportional);
    const Factors lineFactors = proportional(settingsFactors(), settings.KeepTextPathsProportional);
    Grid grid;
    xt::calls::GetTableOfItem(item, &grid.table);
    xt::calls::GetTableGridSize(grid.table, &grid.columns, &grid.rows);
    scaleTracks(grid, trackFactors);
    scaleCells(grid);
    scaleGridLines(grid, lineFactors);
    if (scalingSelection())
        undoList().noteRegroupedGroup(item);
}

} // namespace amplex
