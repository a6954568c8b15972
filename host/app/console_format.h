// How the host program words what it shows: message boxes, documents, page sizes.
#pragma once

#include <string>

#include "host/model/document_model.h"
#include "host/ui/message_boxes.h"
#include "xtapi/types.h"

namespace host::app {

/// "[message] VORNE: Sorry, ..."; a box with a choice also shows the answer it got.
std::string formatMessageBox(const ui::MessageBoxRecord& box);

/// Points without trailing zeros: "612", "595.28".
std::string formatPoints(xt::Fixed value);

/// "3 pages, 612 x 792 pt"; pages of mixed sizes give the size of the first and "...".
std::string describePages(const model::Layout& layout);

/// "\"Brochure\", 2 layouts, 5 pages".
std::string describeProject(const model::Project& project);

} // namespace host::app
