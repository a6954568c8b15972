// Registration of the page, spread, set-up, guide, view, style-sheet and undo operations, and the
// lookups they share.
#pragma once

#include <optional>

#include "host/api/registry.h"
#include "host/model/spread_layout.h"

namespace host::api {

/// GetPageInfo, the current page, page refresh notices, adding and deleting pages.
void registerPageOps(OperationRegistry& registry);
/// Master pages and master view, and the page <-> spread conversions.
void registerSpreadOps(OperationRegistry& registry);
/// Page size, margins, columns, gutter, baseline grid and the page set-up records.
void registerPageSetupOps(OperationRegistry& registry);
/// GuideOp2627 and GuideOp2630.
void registerGuideOps(OperationRegistry& registry);
/// The layout window's view calls.
void registerViewOps(OperationRegistry& registry);
/// The style sheet table and its records.
void registerStyleSheetOps(OperationRegistry& registry);
/// Undo steps and the step-and-repeat offsets.
void registerUndoOps(OperationRegistry& registry);

/// Runs host command 205 (copy), 206 (paste) or 506 (duplicate): 0 done, nonzero when there was
/// nothing to copy or paste; nullopt for another command.
std::optional<int32_t> runClipboardCommand(model::Layout& layout, int32_t command);

/// The layout with this reference, or null.
model::Layout* layoutOfDocument(xt::DocumentRef document);
/// The layout the window shows, or null (window 0 included).
model::Layout* layoutShowing(xt::WindowRef window);

} // namespace host::api
