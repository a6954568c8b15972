// The first and last page of a page-range ("From page") scale, which text scaling needs to tell the
// boxes of a linked chain inside the range from those outside it.
#pragma once

#include <cstdint>

namespace amplex {

/// Page numbers from 1, as GetBoxBounds gives them; both ends belong to the range.
struct ScaledPages {
    int16_t first = 0;
    int16_t last = 0;

    bool holds(int16_t page) const { return page >= first && page <= last; }
};

/// Document scaling names the range before it scales the first page of it.
void setScaledPages(ScaledPages pages);
ScaledPages scaledPages();

} // namespace amplex
