// The checks a page set-up must pass before the host applies it.
#include "host/model/page_setup.h"

#include <cstdint>

namespace host::model {

bool fitsPage(const PageMargins& margins, const ColumnGuides& columns, const PageSize& size)
{
    if (margins.top < 0 || margins.bottom < 0 || margins.left < 0 || margins.right < 0)
        return false;
    if (size.width <= 0 || size.height <= 0 || columns.count < 1 || columns.gutter < 0)
        return false;
    const int64_t liveWidth = int64_t{size.width} - margins.left - margins.right;
    const int64_t liveHeight = int64_t{size.height} - margins.top - margins.bottom;
    const int64_t gutters = int64_t{columns.count - 1} * columns.gutter;
    return liveHeight > 0 && liveWidth - gutters > 0;
}

} // namespace host::model
