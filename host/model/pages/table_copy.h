// Tables copied with their pages: the grid, its line weights, and each cell with its record and text.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "host/model/clipboard.h"
#include "host/model/document_model.h"
#include "host/model/pages/copy_translation.h"

namespace host::model {

struct TableCopy {
    ItemSnapshot table; ///< the table item's own record, lock and layer
    std::vector<xt::Fixed> widths;
    std::vector<xt::Fixed> heights;
    std::vector<xt::Fixed> columnLines;
    std::vector<xt::Fixed> rowLines;
    std::vector<std::optional<ItemSnapshot>> cells; ///< column by column; empty where the table lost a cell
};

/// The copy of a table item; nullopt for anything else.
std::optional<TableCopy> tableCopyOf(const Layout& layout, int32_t ref);
/// Builds the table on `pageRef`, moved by (dv, dh); the new table's reference, or 0.
int32_t rebuildTable(Layout& destination, Translation& translation, TableCopy copy, int32_t pageRef, xt::Fixed dv, xt::Fixed dh);

} // namespace host::model
