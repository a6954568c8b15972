// A table item's grid.
#include "host/model/items/table.h"

#include <algorithm>
#include <cassert>

namespace host::model {

Table::Table(std::vector<xt::Fixed> widths, std::vector<xt::Fixed> heights, std::vector<int32_t> cells, xt::Fixed lineWeight)
    : m_widths(std::move(widths))
    , m_heights(std::move(heights))
    , m_cells(std::move(cells))
    , m_columnLines(m_widths.size() + 1, lineWeight)
    , m_rowLines(m_heights.size() + 1, lineWeight)
{
    assert(m_cells.size() == m_widths.size() * m_heights.size() && "a table has one cell per column and row");
}

void Table::setTrackSizes(const xt::Fixed* widths, const xt::Fixed* heights)
{
    if (widths)
        std::copy_n(widths, m_widths.size(), m_widths.begin());
    if (heights)
        std::copy_n(heights, m_heights.size(), m_heights.begin());
}

int32_t Table::cell(int32_t column, int32_t row) const
{
    if (column < 0 || row < 0 || column >= columnCount() || row >= rowCount())
        return 0;
    return m_cells[static_cast<size_t>(column) * m_heights.size() + static_cast<size_t>(row)];
}

void Table::replaceCell(int32_t from, int32_t to)
{
    std::replace(m_cells.begin(), m_cells.end(), from, to);
}

std::pair<xt::Fixed*, xt::Fixed*> Table::scratchTrackSizes()
{
    m_scratchWidths = m_widths;
    m_scratchHeights = m_heights;
    return {m_scratchWidths.data(), m_scratchHeights.data()};
}

xt::Fixed Table::lineAt(const std::vector<xt::Fixed>& lines, int32_t k)
{
    if (k < 0 || static_cast<size_t>(k) >= lines.size())
        return 0;
    return lines[static_cast<size_t>(k)];
}

bool Table::setLineAt(std::vector<xt::Fixed>& lines, int32_t k, xt::Fixed weight)
{
    if (k < 0 || static_cast<size_t>(k) >= lines.size())
        return false;
    lines[static_cast<size_t>(k)] = weight;
    return true;
}

} // namespace host::model
