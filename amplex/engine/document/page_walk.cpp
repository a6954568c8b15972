// Page steps shared by the document and master page walks of a document scale.
#include "amplex/engine/document/page_walk.h"

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/host_command.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/engine/selection/scale_selection.h"
#include "foundation/binding/host_failures.h"

namespace amplex {

xt::FixedPoint pageCorner(const xt::PlaceRecord& place)
{
    xt::FixedPoint corner{0, 0};
    xt::calls::XsqOp1310(documentRun().documentRef(), &place, &corner.v, &corner.h);
    return corner;
}

void scaleItemsOfCurrentPage(xt::FixedPoint origin)
{
    xt::calls::SetCurrentTool(0);
    xt::calls::SetCurrentBox(0);
    // An empty page leaves nothing current, and ScaleSelection then does nothing.
    if (!runHostCommand(CommandSelectAllOnPage))
        return;
    engineState().setOrigin(origin);
    ScaleSelection();
}

xt::WindowRef runWindow()
{
    xt::WindowRef window = 0;
    xt::calls::GetDocumentWindow(documentRun().documentRef(), &window);
    return window;
}

} // namespace amplex
