// A table item's grid: column widths, row heights, a cell per column and row, and a weight per grid line.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "xtapi/types.h"

namespace host::model {

class Table {
public:
    /// `cells` lists the cell items column by column: cells[column * rows + row].
    Table(std::vector<xt::Fixed> widths, std::vector<xt::Fixed> heights, std::vector<int32_t> cells, xt::Fixed lineWeight);

    int16_t columnCount() const { return static_cast<int16_t>(m_widths.size()); }
    int16_t rowCount() const { return static_cast<int16_t>(m_heights.size()); }
    const std::vector<xt::Fixed>& widths() const { return m_widths; }
    const std::vector<xt::Fixed>& heights() const { return m_heights; }
    /// Stores the sizes only: the cells keep their places until something moves them.
    void setTrackSizes(const xt::Fixed* widths, const xt::Fixed* heights);

    /// The cell item at (column, row), or 0 outside the grid.
    int32_t cell(int32_t column, int32_t row) const;
    const std::vector<int32_t>& cells() const { return m_cells; }
    void replaceCell(int32_t from, int32_t to);

    /// Column line k lies after column k (line 0 is the left edge); row line k after row k.
    xt::Fixed columnLine(int32_t k) const { return lineAt(m_columnLines, k); }
    xt::Fixed rowLine(int32_t k) const { return lineAt(m_rowLines, k); }
    bool setColumnLine(int32_t k, xt::Fixed weight) { return setLineAt(m_columnLines, k, weight); }
    bool setRowLine(int32_t k, xt::Fixed weight) { return setLineAt(m_rowLines, k, weight); }

    /// Copies of the sizes that a plug-in may change in place; valid until the next call.
    std::pair<xt::Fixed*, xt::Fixed*> scratchTrackSizes();

private:
    static xt::Fixed lineAt(const std::vector<xt::Fixed>& lines, int32_t k);
    static bool setLineAt(std::vector<xt::Fixed>& lines, int32_t k, xt::Fixed weight);

    std::vector<xt::Fixed> m_widths;
    std::vector<xt::Fixed> m_heights;
    std::vector<int32_t> m_cells;
    std::vector<xt::Fixed> m_columnLines;
    std::vector<xt::Fixed> m_rowLines;
    std::vector<xt::Fixed> m_scratchWidths;
    std::vector<xt::Fixed> m_scratchHeights;
};

} // namespace host::model
