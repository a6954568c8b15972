// The facts of the current document that the scale commands work out their factors from.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace amplex {

using xt::Fixed;

struct Margins {
    Fixed top = 0;
    Fixed bottom = 0;
    Fixed left = 0;
    Fixed right = 0;
};

struct PageFacts {
    int16_t pageCount = 0;
    Fixed width = 0;
    Fixed height = 0;
    Margins margins;
    int32_t columns = 1;
    Fixed gutter = 0;
    xt::WindowRef window = 0;
    /// The layout window shows master pages.
    bool masterView = false;
    /// The layout window's current page number.
    int32_t currentPage = 1;

    Fixed liveWidth() const;
    Fixed liveHeight() const;
    /// One column's width between the margins; the live width when there are no columns.
    Fixed columnWidth() const;
};

/// Reads the page count, size, margins, columns, gutter and the layout window's page state.
PageFacts readPageFacts(xt::DocumentRef document);

/// The place of page `page` in its spread (0 for the first), as the layout window reports it.
int16_t placeInSpread(xt::WindowRef window, int32_t page);

/// How many pages the spread of the current page holds.
int32_t pagesInSpread(const PageFacts& facts);

/// `CurrentPageOffset`: 0, or in master view the current page less 1 (less 2 past a spread's first page).
int16_t currentPageOffsetOf(const PageFacts& facts);

} // namespace amplex
