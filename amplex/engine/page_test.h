// Whether the current item lies on the page that a page-range scale is working on.
#pragma once

#include <cstddef>
#include <cstdint>

namespace amplex {

/// Where an item lies, as the host's GetBoxBounds writes it.
struct ItemPlace {
    int16_t spread;
    int16_t reserved;
    int16_t pageKey;     // the key that document scaling compares with the page it scales
    int16_t pageNumber;  // 1-based number of the page in the document
};
static_assert(offsetof(ItemPlace, pageKey) == 4);
static_assert(offsetof(ItemPlace, pageNumber) == 6);
static_assert(sizeof(ItemPlace) == 8);

/// Document scaling names the page it is scaling in a page range before it scales that page's items.
void setCurrentScalePage(int16_t pageKey);
int16_t currentScalePage();

/// True in the Selection and Document modes. In the page-range mode, true when the current item
/// lies on the page being scaled; an item the host cannot place is not on it.
bool IsOnScaledPage();

} // namespace amplex
