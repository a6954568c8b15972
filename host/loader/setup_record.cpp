// The SetupRecord's functions: window ids, service ids and publication.
#include "host/host_context.h"
#include "host/loader/host_records.h"
#include "host/loader/plugin_registry.h"

namespace host::loader {
namespace {

/// The calling module, or null when the call must fail (no module, or an injected fault).
LoadedModule* caller(const char* name)
{
    LoadedModule* module = context().plugins().current();
    if (!module || context().faults().shouldFail(name))
        return nullptr;
    return module;
}

int32_t reserveWindowIds(int32_t count, int32_t* base)
{
    LoadedModule* module = caller("ReserveWindowIds");
    if (!module)
        return kRecordNoModule;
    if (count <= 0 || !base)
        return kRecordBadArgument;
    *base = context().plugins().reserveWindowIds(*module, count);
    return 0;
}

int32_t newServiceId(int32_t count, uint32_t* serviceId)
{
    LoadedModule* module = caller("NewServiceId");
    if (!module)
        return kRecordNoModule;
    if (count <= 0 || !serviceId)
        return kRecordBadArgument;
    const uint32_t first = context().plugins().newReferences(count);
    for (int32_t k = 0; k < count; ++k)
        module->serviceIds.push_back(first + static_cast<uint32_t>(k));
    *serviceId = first;
    return 0;
}

int32_t publishService(uint32_t serviceId, xt::Handle service, int32_t /*kind*/, int32_t /*flags*/)
{
    LoadedModule* module = caller("PublishService");
    if (!module)
        return kRecordNoModule;
    return context().plugins().publish(*module, serviceId, service) ? 0 : kRecordBadArgument;
}

} // namespace

xt::SetupRecord makeSetupRecord()
{
    xt::SetupRecord record{};
    record.size = sizeof record;
    record.reserveWindowIds = &reserveWindowIds;
    record.newServiceId = &newServiceId;
    record.publishService = &publishService;
    return record;
}

} // namespace host::loader
