// The current document and the page its window shows, read before a greek or fill and handed back after.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace mockum {

struct DocumentView {
    xt::DocumentRef ref = 0;
    xt::WindowRef window = 0;
    /// What GetWindowValue3563 gave for the document's window (the page it shows).
    int32_t windowValue = 0;
    bool hasValue = false;
};

/// The current document's reference and window value; ref 0 when no document is open.
DocumentView readDocumentView();
/// Refreshes the document after an edit (DocumentOp455) and shows the page again (DocumentOp870).
void refreshDocument(const DocumentView& view);
void restoreDocumentView(const DocumentView& view);
/// Brings the window back to the page it showed when the view was read (DocumentOp868), after a walk
/// that moved it from page to page.
void showPageAgain(const DocumentView& view);

} // namespace mockum
