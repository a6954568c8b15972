// The current item and where an item lies. The document model holds no items yet, so no item is
// ever current and no item can be found.
#include "host/api/amplex_ops.h"

namespace host::api {
namespace {

int32_t getCurrentBox(int32_t* item)
{
    if (!item)
        return -1;
    *item = 0;
    return 0;
}

/// Fails for every item; the place record is left as the caller set it.
int32_t getBoxBounds(int32_t, int32_t, void*)
{
    return -1;
}

} // namespace

void registerCurrentItemOps(OperationRegistry& registry)
{
    registry.add<xt::op::GetCurrentBox, &getCurrentBox>();
    registry.add<xt::op::GetBoxBounds, &getBoxBounds>();
}

} // namespace host::api
