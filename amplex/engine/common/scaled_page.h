// Whether the current item lies on the page that a page-range scale is working on.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/box_record.h"

namespace amplex {

/// Where an item lies, as the host's GetBoxBounds writes it: the whole record, since the host
/// writes all of it.
using ItemPlace = xt::PlaceRecord;

/// Document scaling names the page it is scaling in a page range before it scales that page's items.
void setCurrentScalePage(int16_t pageKey);
int16_t currentScalePage();

/// True in the Selection and Document modes. In the page-range mode, true when the current item
/// lies on the page being scaled; an item the host cannot place is not on it.
bool IsOnScaledPage();

} // namespace amplex
