// The page steps that document scaling shares between document and master pages: where a page lies
// in its spread, and scaling all the items of the current page about a point.
#pragma once

#include <cstdint>

#include "xtapi/box_record.h"

namespace amplex {

/// The upper-left corner of a page in spread coordinates, through the host's page-to-spread conversion.
xt::FixedPoint pageCorner(const xt::PlaceRecord& place);

/// Selects every item of the current page and scales them together about `origin`.
void scaleItemsOfCurrentPage(xt::FixedPoint origin);

/// The layout window of the run's document.
xt::WindowRef runWindow();

} // namespace amplex
