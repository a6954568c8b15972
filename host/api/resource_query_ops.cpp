// Two resource queries a plug-in makes at start-up without using their answers.
#include "host/api/operation_areas.h"

namespace host::api {
namespace {

/// The host keeps no per-plug-in resource file settings, so there is nothing to set.
int32_t resourceFileOp1843(xt::XTensionId, int32_t, int32_t)
{
    return 0;
}

/// The host has no resource of its own to report for the query.
int32_t toolboxOp1981(int32_t, int32_t)
{
    return 0;
}

} // namespace

void registerResourceQueryOps(OperationRegistry& registry)
{
    registry.add<xt::op::ResourceFileOp1843, &resourceFileOp1843>();
    registry.add<xt::op::ToolboxOp1981, &toolboxOp1981>();
}

} // namespace host::api
