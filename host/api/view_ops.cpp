// The layout window's view calls. They are recorded for tests and sessions; the view scale is the
// host's own and no plug-in value feeds back into it, so repeated after-scale adjustments cannot drift it.
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/model/spread_layout.h"

namespace host::api {
namespace {

int32_t recordView(xt::WindowRef window, const char* operation, int32_t first, int32_t second)
{
    model::Layout* layout = layoutShowing(window);
    if (!layout)
        return -1;
    layout->view().record(operation, first, second);
    return 0;
}

int32_t XgdOp674(xt::WindowRef window)
{
    return recordView(window, "XgdOp674", 0, 0);
}

int32_t LayoutWindowOp3544(xt::WindowRef window, int32_t value)
{
    return recordView(window, "LayoutWindowOp3544", value, 0);
}

int32_t LayoutWindowOp513(xt::WindowRef window, xt::Fixed value, int32_t axis, int32_t)
{
    if (axis != 0 && axis != 1)
        return -1;
    return recordView(window, "LayoutWindowOp513", value, axis);
}

int32_t LayoutWindowOp3552(xt::WindowRef window, xt::Fixed* scale)
{
    const model::Layout* layout = layoutShowing(window);
    if (!layout || !scale)
        return -1;
    *scale = layout->view().scale();
    return 0;
}

/// The document unit the view values are divided by: one point, never 0.
xt::Fixed DocumentOp3707(xt::DocumentRef, xt::Fixed* unit)
{
    if (unit)
        *unit = xt::kFixedOne;
    return xt::kFixedOne;
}

} // namespace

void registerViewOps(OperationRegistry& registry)
{
    registry.add<xt::op::XgdOp674, &XgdOp674>();
    registry.add<xt::op::LayoutWindowOp3544, &LayoutWindowOp3544>();
    registry.add<xt::op::LayoutWindowOp513, &LayoutWindowOp513>();
    registry.add<xt::op::LayoutWindowOp3552, &LayoutWindowOp3552>();
    registry.add<xt::op::DocumentOp3707, &DocumentOp3707>();
}

} // namespace host::api
