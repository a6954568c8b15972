// Where the user's mouse is: screen points in the layout window's coordinates, the host's record of the
// last mouse event, and the layout window a plug-in tracks the mouse in.
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/ui/layout_screen.h"

namespace host::api {
namespace {

/// A screen point (16-bit vertical, then horizontal) becomes a point of the layout window, which shows
/// the spread at 100 %: spread coordinates in points.
int32_t ToolboxOp1941(int16_t* point)
{
    if (!point)
        return -1;
    point[0] = static_cast<int16_t>(point[0] - ui::kSpreadScreenTop);
    point[1] = static_cast<int16_t>(point[1] - ui::kSpreadScreenLeft);
    return 0;
}

/// The host's mouse event record, which the host and a tracking plug-in both write.
int32_t XaqOp141(void** record)
{
    if (!record)
        return -1;
    *record = context().mouseEvent().data();
    return 0;
}

/// The layout window becomes the one the mouse is tracked in; any other window is refused.
int32_t XsqOp1303(xt::WindowRef window)
{
    return layoutShowing(window) ? 0 : -1;
}

} // namespace

void registerInputOps(OperationRegistry& registry)
{
    registry.add<xt::op::ToolboxOp1941, &ToolboxOp1941>();
    registry.add<xt::op::XaqOp141, &XaqOp141>();
    registry.add<xt::op::XsqOp1303, &XsqOp1303>();
}

} // namespace host::api
