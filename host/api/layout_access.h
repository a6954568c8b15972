// The lookups the operations share: the current layout and its items, the layout a record came from,
// and the layout of a document reference or a window.
#pragma once

#include <cstdint>

#include "host/model/document_model.h"

namespace host::api {

/// The current layout, or null when no document is open.
model::Layout* currentLayout();
/// The current layout's items, or null when no document is open.
model::ItemStore* currentItems();
/// An item of the current layout, or null.
model::Item* findItem(int32_t ref);
/// The layout whose store gave out `record`, or null.
model::Layout* layoutOfRecord(const void* record);
/// The layout with this reference, or null.
model::Layout* layoutOfDocument(xt::DocumentRef document);
/// The layout the window shows, or null (window 0 included).
model::Layout* layoutShowing(xt::WindowRef window);

} // namespace host::api
