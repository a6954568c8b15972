// A layout's page set-up: margins, columns and gutter, facing pages and the baseline grid.
#pragma once

#include <cstdint>

#include "host/model/page.h"
#include "xtapi/types.h"

namespace host::model {

/// Margins as the host hands them out (XdgOp512): top and bottom follow the vertical axis,
/// left and right the horizontal one.
struct PageMargins {
    xt::Fixed top = 36 * xt::kFixedOne;
    xt::Fixed bottom = 36 * xt::kFixedOne;
    xt::Fixed left = 36 * xt::kFixedOne;
    xt::Fixed right = 36 * xt::kFixedOne;
    bool operator==(const PageMargins&) const = default;
};

struct ColumnGuides {
    int32_t count = 1;
    xt::Fixed gutter = 12 * xt::kFixedOne;
    bool operator==(const ColumnGuides&) const = default;
};

struct BaselineGrid {
    xt::Fixed start = 36 * xt::kFixedOne;
    xt::Fixed increment = 12 * xt::kFixedOne;
    bool operator==(const BaselineGrid&) const = default;
};

/// True when the margins and columns leave a live area on a page of `size`: no negative margin,
/// a positive width and height between them, at least one column wider than nothing.
bool fitsPage(const PageMargins& margins, const ColumnGuides& columns, const PageSize& size);

class PageSetup {
public:
    const PageMargins& margins() const { return m_margins; }
    const ColumnGuides& columns() const { return m_columns; }
    const BaselineGrid& baselineGrid() const { return m_grid; }
    bool facing() const { return m_facing; }

    void setMargins(const PageMargins& margins) { m_margins = margins; }
    void setColumns(const ColumnGuides& columns) { m_columns = columns; }
    void setBaselineGrid(const BaselineGrid& grid) { m_grid = grid; }
    void setFacing(bool facing) { m_facing = facing; }

private:
    PageMargins m_margins;
    ColumnGuides m_columns;
    BaselineGrid m_grid;
    bool m_facing = false;
};

} // namespace host::model
