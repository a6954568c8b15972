// The steps of a document scale that read the settings: which pages, each page's items, the guides,
// the style sheets and the page size after the items.
#include "amplex/engine/document/document_steps.h"

#include <algorithm>
#include <string>

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/common/scaled_page.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/engine/document/guide_scale.h"
#include "amplex/engine/document/page_walk.h"
#include "amplex/engine/document/style_sheet_scale.h"
#include "amplex/resources/strings.h"
#include "amplex/settings/settings.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "xtapi/page_records.h"

namespace amplex {
namespace {

/// Document mode: the pages of a spread change size together, so all of them scale about the
/// spread's first corner. A page range keeps its page size and scales about each page's own corner.
xt::FixedPoint originFor(int32_t page, const xt::PlaceRecord& place)
{
    if (!scalesWholeDocument() || place.placeInSpread == 0)
        return pageCorner(place);
    xt::PlaceRecord first = place;
    xt::calls::PageOp3594(runWindow(), page - place.placeInSpread, 0, &first);
    return pageCorner(first);
}

} // namespace

bool scalesWholeDocument()
{
    return currentSettings().ScaleWhat == ScaleScope::ScaleDocument;
}

/// The range the command asked for, held to the pages that exist: pages past the end would leave
/// the previous page current and scale its items again. On master pages a facing document shows
/// two master pages at a time, a single-sided one one.
PageRange pagesToScale()
{
    const DocumentRun& run = documentRun();
    PageRange range = run.pageRange();
    xt::PageInfo info{};
    xt::calls::GetPageInfo(run.documentRef(), &info);
    int32_t available = info.pageCount;
    if (!scalesWholeDocument() && run.onMasterPage())
        available = info.facing != 0 ? 2 : 1;
    range.first = std::max(range.first, 1);
    range.last = std::min(range.last, available);
    return range;
}

void scalePage(int32_t page)
{
    const DocumentRun& run = documentRun();
    const xt::WindowRef window = runWindow();
    const int32_t number = page + run.pageOffset();
    xt::PlaceRecord place{};
    if (xt::calls::PageOp3594(window, number, 0, &place) != 0)
        return;
    setCurrentScalePage(place.pageKey);
    engineState().setDocumentScalingActive(run.onMasterPage());
    // A page the host does not make current is skipped rather than scaling the page left current.
    if (xt::calls::DocumentOp868(window, number) == 0) {
        if (scalesWholeDocument()) {
            uint8_t ownGeometry = 0;
            xt::calls::DocumentOp2783(run.documentRef(), &ownGeometry);
        }
        scaleItemsOfCurrentPage(originFor(number, place));
    }
    engineState().setDocumentScalingActive(false);
    xt::calls::DocumentOp870(run.documentRef(), page);
}

void scaleGuidesAndGrid(PageRange range, const PageSetupPlan& plan)
{
    const ScaleSettings& settings = currentSettings();
    if (settings.ScaleGuides == 0)
        return;
    const xt::DocumentRef ref = documentRun().documentRef();
    for (int32_t page = range.first; page <= range.last; ++page)
        ScaleGuides(page + documentRun().pageOffset(), 0);
    if (settings.ScaleTabs != 0) {
        Fixed start = 0;
        Fixed increment = 0;
        // A value the host could not give is left as it is, rather than written back as zero.
        const int32_t startStatus = xt::calls::XpgOp982(ref, &start);
        foundation::reportHostResult(startStatus);
        const int32_t incrementStatus = xt::calls::XpgOp978(ref, &increment);
        foundation::reportHostResult(incrementStatus);
        if (startStatus == 0)
            foundation::reportHostResult(xt::calls::XpgOp983(ref, xt::calls::FixedMultiply(start, settings.VerticalFactor)));
        if (incrementStatus == 0)
            foundation::reportHostResult(
                xt::calls::XpgOp979(ref, xt::calls::FixedMultiply(increment, settings.VerticalFactor)));
    }
    writeScaledMargins(plan);
}

void finishPageSize(const PageSetupPlan& plan, int32_t currentPage)
{
    const xt::DocumentRef ref = documentRun().documentRef();
    const xt::WindowRef window = runWindow();
    xt::calls::XgdOp674(window);
    xt::calls::SetCurrentTool(0);
    xt::calls::DocumentOp459(ref, 1);
    if (scalesWholeDocument()) {
        foundation::reportHostResult(xt::calls::LayoutWindowOp3544(window, 0));
        xt::calls::XgdOp674(window);
        xt::calls::DocumentOp868(window, currentPage);
    }
    reducePages(plan);
    xt::calls::XgdOp674(window);
    foundation::reportHostResult(xt::calls::XpgOp947(ref));
}

bool refusedOnMasterPage()
{
    if (!scalesWholeDocument() || !documentRun().onMasterPage())
        return false;
    const std::string text = loadAmplexString(StringMasterPageRefusal);
    ShowScaleWarning(text.c_str());
    return true;
}

void scaleStyleSheetsWhenAsked()
{
    const ScaleSettings& settings = currentSettings();
    if (settings.ScaleLeading != 0 && settings.ScaleStyleSheets != 0)
        scaleStyleSheets();
}

} // namespace amplex
