// Conversions between page and spread coordinates (items and guides live in spread coordinates).
#pragma once

#include "host/model/spread_layout.h"
#include "xtapi/box_record.h"

namespace host::model {

/// Adds the page's origin in its spread; sums beyond the Fixed range saturate.
xt::FixedPoint pageToSpread(const xt::PlaceRecord& page, xt::FixedPoint point);
xt::FixedRect pageToSpread(const xt::PlaceRecord& page, const xt::FixedRect& rect);
/// The page of the current spread under the rectangle's left edge (the spread's last page when the
/// edge lies right of all), and the rectangle relative to that page.
xt::PlaceRecord pageUnder(const Layout& layout, const xt::FixedRect& rect);
xt::FixedRect spreadToPage(const xt::PlaceRecord& page, const xt::FixedRect& rect);

} // namespace host::model
