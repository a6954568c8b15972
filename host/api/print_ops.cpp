// Printing: the print preparation a plug-in asks for, a job for a layout, and whether printing is over.
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/spread_layout.h"

namespace host::api {
namespace {

/// Print preparation for a layout (0 when none is open); the host keeps nothing in the buffer.
int32_t XpsOp2244(xt::DocumentRef document, void*)
{
    return document == 0 || layoutOfDocument(document) ? 0 : -1;
}

int32_t XpsOp2247(void*)
{
    return 0;
}

/// Starts printing the layout as it stands; the job waits until the session ends it.
int32_t XpsOp3409(xt::DocumentRef document)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout)
        return -1;
    ui::PrintJob job{document, layout->name(), layout->pageCount(), 0};
    for (size_t page = 0; page < layout->pageCount(); ++page)
        job.items += layout->items().topLevelOnPage(layout->page(page).ref()).size();
    context().printer().start(std::move(job));
    return 0;
}

/// Nonzero once no job is printing any more (printed, cancelled, or none started).
int32_t XpsOp1133(int16_t* over)
{
    if (!over)
        return -1;
    *over = context().printer().busy() ? 0 : 1;
    return 0;
}

} // namespace

void registerPrintOps(OperationRegistry& registry)
{
    registry.add<xt::op::XpsOp2244, &XpsOp2244>();
    registry.add<xt::op::XpsOp2247, &XpsOp2247>();
    registry.add<xt::op::XpsOp3409, &XpsOp3409>();
    registry.add<xt::op::XpsOp1133, &XpsOp1133>();
}

} // namespace host::api
