// Document scaling: the walk over the pages of the range, between the page set-up read before the
// items scale and the page size, masters and style sheets handled after them.
#include "amplex/engine/document_scale.h"

#include "amplex/engine/document_run.h"
#include "amplex/engine/document_steps.h"
#include "amplex/engine/master_scale.h"
#include "amplex/engine/page_setup_scale.h"
#include "amplex/engine/page_walk.h"
#include "amplex/engine/scale_page_range.h"
#include "foundation/binding.h"

namespace amplex {

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
    xt::calls::UndoOp2958(1);
    const PageSetupPlan plan = readPageSetup();
    enlargePages(plan);
    const xt::WindowRef window = runWindow();
    if (scalesWholeDocument())
        xt::calls::HostResult3184(xt::calls::LayoutWindowOp3544(window, 0));
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
}

} // namespace amplex
