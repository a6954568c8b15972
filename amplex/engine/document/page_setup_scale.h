// The page size, margins, columns and gutter of a document being scaled: read once before its items
// scale, and handed back to the host larger before or smaller after them.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace amplex {

using xt::Fixed;

/// The document's page set-up as read before the scale, with the margins and gutter already scaled.
struct PageSetupPlan {
    Fixed width = 0;
    Fixed height = 0;
    /// Top, bottom (vertical factor), left, right (horizontal factor).
    Fixed margins[4] = {};
    int32_t columns = 1;
    Fixed gutter = 0;
    int32_t facing = 0;
    int16_t pageCount = 0;
};

/// Reads the current document's set-up and scales its margins (and, with "Anchored Boxes", the gutter).
/// A read the host fails is noted for the caller's foundation::HostFailureWatch, which then changes nothing.
PageSetupPlan readPageSetup();

/// Enlarges the pages before the items scale, along the axes whose factor is above 1.0, when
/// "Document Size" is on.
void enlargePages(const PageSetupPlan& plan);

/// After the items scaled: the scaled size, or the chosen paper when a paper-size "Fit to" runs, is
/// handed to the document when a factor is below 1.0 and "Document Size" is on.
void reducePages(const PageSetupPlan& plan);

/// Writes the scaled margins as the document's margins.
void writeScaledMargins(const PageSetupPlan& plan);

/// The "Fit to" paper sizes 1 .. 6: width and height; nothing for other choices.
struct PaperSize {
    Fixed width;
    Fixed height;
};
bool paperSizeOf(int16_t choice, PaperSize& size);

} // namespace amplex
