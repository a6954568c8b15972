// What a scale changes outside an item's host record: its drop shadow and, for a table, the sizes of
// its columns and rows and the weights of its grid lines. Undo and redo put them back with the record.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "xtapi/drop_shadow.h"
#include "xtapi/types.h"

namespace amplex {

/// A table's tracks and grid lines; line k lies after column (or row) k, line 0 on the outer edge.
struct TableGrid {
    std::vector<xt::Fixed> widths;
    std::vector<xt::Fixed> heights;
    std::vector<xt::Fixed> columnLines;
    std::vector<xt::Fixed> rowLines;
};

struct OutsideState {
    int32_t item = 0;
    std::optional<xt::DropShadowRecord> shadow;
    std::optional<TableGrid> table;
};

enum class TableItem : uint8_t { No, Yes };

/// The item's shadow (and grid, for a table) as the host holds them now; nothing when it has neither.
std::optional<OutsideState> readOutsideState(int32_t item, TableItem table);

/// Gives the item the shadow and grid of `state` again.
void restoreOutsideState(const OutsideState& state);

} // namespace amplex
