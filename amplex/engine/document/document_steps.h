// The steps of a document scale that depend on the settings, kept apart from the engine's entry,
// whose name the settings' `ScaleWhat` value ScaleDocument shares.
#pragma once

#include <cstdint>

#include "amplex/engine/document/document_run.h"
#include "amplex/engine/document/page_setup_scale.h"

namespace amplex {

/// "Scale what" is the whole document (not a page range).
bool scalesWholeDocument();

/// Shows "Can not scale the document while on a Master Page." and says so when the whole document
/// was asked for while the window shows master pages.
bool refusedOnMasterPage();

/// The range asked for, held to the pages that exist.
PageRange pagesToScale();

/// Makes page `page` (of the range; the run's page offset is added) current and scales its items.
void scalePage(int32_t page);

/// With "Guides": every page's guides, with "TABs" the baseline grid, and the scaled margins.
void scaleGuidesAndGrid(PageRange range, const PageSetupPlan& plan);

/// With "Leading" and "Style Sheets": the document's style sheets.
void scaleStyleSheetsWhenAsked();

/// The page size after the items: reduced, or set to the paper chosen.
void finishPageSize(const PageSetupPlan& plan, int32_t currentPage);

} // namespace amplex
