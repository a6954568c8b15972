// Guide scaling: the ruler guides of a page move with the page's items when a document scales.
#pragma once

#include <cstdint>

namespace amplex {

/// Moves each guide of `page` (a page number, or a master index while masters are shown): vertical
/// guides by `HorizontalFactor`, horizontal guides by `VerticalFactor`, measured from the page's
/// upper-left corner. `flag` chooses the host's list and is passed on as it is.
void ScaleGuides(int32_t page, uint8_t flag);

/// Asks the companion service about the current document after a master page scaled.
void RefreshSpread();

} // namespace amplex
