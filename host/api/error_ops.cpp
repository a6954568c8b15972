// The error frame operations and the cursor and result operations that only record.
#include "host/api/operation_areas.h"
#include "host/host_context.h"

namespace host::api {
namespace {

void SetErrorStatus(int32_t code, int32_t /*detail*/)
{
    context().errors().setStatus(code);
}

void ReportErrorStatus()
{
    context().errors().report();
}

void EndErrorScope()
{
    context().errors().end();
}

void SetCursorKind(int32_t kind)
{
    context().cursorKinds().push_back(kind);
}

/// The cursor last set; the arrow (0) before any was set.
int32_t GetCursorKind()
{
    const auto& kinds = context().cursorKinds();
    return kinds.empty() ? 0 : kinds.back();
}

// The results that callers hand over at once after a call that writes through a pointer; nothing reads them.
void HostResult3184(int32_t) {}
void HostResult3186(int32_t) {}

} // namespace

void registerErrorOperations(OperationRegistry& registry)
{
    registry.add<xt::op::SetErrorStatus, &SetErrorStatus>();
    registry.add<xt::op::ReportErrorStatus, &ReportErrorStatus>();
    registry.add<xt::op::EndErrorScope, &EndErrorScope>();
}

void registerCursorOperations(OperationRegistry& registry)
{
    registry.add<xt::op::SetCursorKind, &SetCursorKind>();
    registry.add<xt::op::GetCursorKind, &GetCursorKind>();
    registry.add<xt::op::HostResult3184, &HostResult3184>();
    registry.add<xt::op::HostResult3186, &HostResult3186>();
}

} // namespace host::api
