// The RegistrationRecord's functions: interface tables, message callbacks, plug-in and component search.
#include "host/host_context.h"
#include "host/loader/host_records.h"
#include "host/loader/plugin_registry.h"

namespace host::loader {
namespace {

using api::InterfaceTables;

int32_t acquireTable(uint32_t code, void** out, const uint32_t* list, int32_t length)
{
    if (auto row = InterfaceTables::requestRowOf(code)) {
        if (!InterfaceTables::listMatchesRow(*row, list, length))
            return kRecordListMismatch;
        *out = const_cast<void**>(context().tables().requestTable(*row));
        return 0;
    }
    if (auto service = InterfaceTables::serviceOf(code)) {
        *out = const_cast<void**>(context().tables().serviceTable(*service));
        return 0;
    }
    if (auto component = context().plugins().componentPlace(code)) {
        *out = const_cast<void**>(context().tables().componentTable(component->component, component->index));
        return 0;
    }
    return kRecordUnknownCode;
}

/// A group code with its list, a service code, a component reference, or a sibling's reference
/// (which gives the handle the sibling published).
int32_t acquireHostInterface(uint32_t code, void** out, const uint32_t* list, int32_t length)
{
    if (!out)
        return kRecordBadArgument;
    if (context().faults().shouldFail("AcquireHostInterface"))
        return kRecordInjectedFault;
    const int32_t status = acquireTable(code, out, list, length);
    if (status != kRecordUnknownCode)
        return status;
    if (xt::Handle service = context().plugins().published(code)) {
        *out = service;
        return 0;
    }
    return kRecordNothingPublished;
}

int32_t registerMessageCallback(int32_t number, xt::MessageHandler handler, int32_t /*kind*/, int32_t /*level*/, int32_t /*flags*/)
{
    auto& plugins = context().plugins();
    LoadedModule* module = plugins.current();
    if (!module)
        return kRecordNoModule;
    if (!handler)
        return kRecordBadArgument;
    if (context().faults().shouldFail("RegisterMessageCallback"))
        return kRecordInjectedFault;
    if (number >= xt::kFirstWindowId)
        return plugins.addWindowCallback(*module, number, handler) ? 0 : kRecordBadArgument;
    plugins.addHandler(*module, number, handler);
    return 0;
}

int32_t findXTension(uint32_t id, uint32_t* reference)
{
    if (!reference)
        return kRecordBadArgument;
    auto& plugins = context().plugins();
    if (context().faults().shouldFail("FindXTension"))
        return kRecordInjectedFault;
    if (auto component = plugins.componentReference(id)) {
        *reference = *component;
        return 0;
    }
    const LoadedModule* module = plugins.findActive(id);
    if (!module)
        return kRecordUnknownCode;
    *reference = module->serviceIds.empty() ? module->reference : module->serviceIds.front();
    return 0;
}

int32_t hostRecordSlot14(uint32_t code, uint32_t* token)
{
    if (!token)
        return kRecordBadArgument;
    if (context().faults().shouldFail("HostRecordSlot14"))
        return kRecordInjectedFault;
    auto component = context().plugins().componentReference(code);
    if (!component)
        return kRecordUnknownCode;
    // The token is the host's choice: the component's first reference.
    *token = *component;
    return 0;
}

} // namespace

xt::RegistrationRecord makeRegistrationRecord(const std::array<uint32_t, 3>& words)
{
    xt::RegistrationRecord record{};
    record.version[0] = words[0];
    record.version[1] = words[1];
    record.version[2] = words[2];
    record.recordSize = sizeof record;
    record.acquireHostInterface = &acquireHostInterface;
    record.registerMessageCallback = &registerMessageCallback;
    record.findXTension = &findXTension;
    record.hostRecordSlot14 = &hostRecordSlot14;
    return record;
}

} // namespace host::loader
