// Scaling a table as a whole: its column widths and row heights, every cell, its grid lines.
#pragma once

#include <cstdint>

namespace amplex {

/// Scales the item when the table component reports it as a table; any other item is left alone.
void ScaleTableItem(int32_t item);

} // namespace amplex
