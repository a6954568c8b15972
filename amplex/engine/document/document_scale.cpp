// Document scaling: the walk over the pages of the range, between the page set-up read before the
// items scale and the page size, masters and style sheets handled after them.
#include "amplex/engine/document/document_scale.h"

#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/engine/document/document_steps.h"
#include "amplex/engine/document/master_scale.h"
#include "amplex/engine/document/page_setup_scale.h"
#include "amplex/engine/document/page_walk.h"
#include "amplex/engine/document/scale_page_range.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"

namespace amplex {
namespace {

constexpr const char* kPageSetupUnread =
    "Amplex could not read the page set-up of the document, so it left the document as it was.";
constexpr const char* kScaleUnfinished =
    "Amplex could not finish scaling the document: the host refused a change. The document may be "
    "partly scaled; close it without saving to keep the version last saved.";

} // namespace

void ScaleDocument()
{
    xt::calls::GetDocumentValue464();
    int16_t id = -1;
    xt::calls::GetCurrentDocument(&id);
    DocumentRun& run = documentRun();
    run.setDocumentRef(xt::calls::GetDocumentRef(id));
    xt::calls::SetCurrentTool(0);
    if (refusedOnMasterPage())
        return;
    const foundation::HostFailureWatch watch;
    xt::calls::UndoOp2958(1);
    const PageSetupPlan plan = readPageSetup();
    if (watch.failed()) {
        xt::calls::UndoOp2958(0);
        ShowScaleWarning(kPageSetupUnread);
        return;
    }
    enlargePages(plan);
    const xt::WindowRef window = runWindow();
    if (scalesWholeDocument())
        foundation::reportHostResult(xt::calls::LayoutWindowOp3544(window, 0));
    xt::calls::XgdOp674(window);
    int32_t currentPage = 1;
    xt::calls::GetWindowValue3563(window, &currentPage);

    const PageRange range = pagesToScale();
    const int32_t offset = run.pageOffset();
    setScaledPages({static_cast<int16_t>(range.first + offset), static_cast<int16_t>(range.last + offset)});
    for (int32_t page = range.first; page <= range.last; ++page)
        scalePage(page);
    xt::calls::SetCurrentTool(0);
    scaleGuidesAndGrid(range, plan);
    if (scalesWholeDocument())
        scaleMasterPages();
    scaleStyleSheetsWhenAsked();
    finishPageSize(plan, currentPage);

    xt::calls::DocumentOp459(run.documentRef(), 1);
    xt::calls::SetCurrentBox(0);
    if (scalesWholeDocument())
        xt::calls::DocumentOp870(run.documentRef(), currentPage);
    xt::calls::SetCursorKind(0);
    xt::calls::UndoOp2958(0);
    if (watch.failed())
        ShowScaleWarning(kScaleUnfinished);
}

} // namespace amplex
