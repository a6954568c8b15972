// The ActivationRecord's functions: the offer, the activation value and the two set-up registrations.
#include <cstdio>

#include "host/host_context.h"
#include "host/loader/host_records.h"
#include "host/loader/plugin_registry.h"

namespace host::loader {
namespace {

std::string idText(xt::XTensionId id)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", id);
    return text;
}

/// Why the host refuses an offer; empty when it accepts.
std::string refusalOf(LoadedModule& module, xt::XTensionId id, const uint32_t (&words)[4])
{
    auto& plugins = context().plugins();
    if (plugins.findActive(id) && plugins.findActive(id) != &module)
        return "its id " + idText(id) + " is already loaded";
    for (int i = 0; i < 4; ++i) {
        if (words[i] != xt::kOfferWords[i])
            return "it offered interface version words the host does not speak";
    }
    return {};
}

uint32_t offerXTension(xt::XTensionId id, uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3)
{
    LoadedModule* module = context().plugins().current();
    if (!module || context().faults().shouldFail("OfferXTension"))
        return 0;
    const uint32_t words[4] = {w0, w1, w2, w3};
    module->offerRefusal = refusalOf(*module, id, words);
    if (!module->offerRefusal.empty())
        return 0;
    module->id = id;
    module->offered = true;
    if (auto forced = context().options().offerAnswer) {
        if ((*forced & 0xFF) == 0)
            module->offerRefusal = "the host answered the offer with " + idText(*forced);
        return *forced;
    }
    return 1;
}

int32_t setActivationValue(int32_t /*value*/)
{
    // The host has no use for the value (200 from every plug-in); it only accepts it.
    return context().plugins().current() ? 0 : kRecordNoModule;
}

int32_t addSetupCallback(SetupKind kind, void* function, int32_t level, const char* name)
{
    LoadedModule* module = context().plugins().current();
    if (!module)
        return kRecordNoModule;
    if (!function)
        return kRecordBadArgument;
    if (context().faults().shouldFail(name))
        return kRecordInjectedFault;
    module->setupCallbacks.push_back({kind, function, level});
    return 0;
}

int32_t registerSetupCallback(xt::RegisterCallbacksFn callback, int32_t /*kind*/, int32_t level, int32_t /*flags*/)
{
    return addSetupCallback(SetupKind::Registration, reinterpret_cast<void*>(callback), level, "RegisterSetupCallback");
}

int32_t registerServiceSetupCallback(xt::RegisterServicesFn callback, int32_t /*kind*/, int32_t level, int32_t /*flags*/)
{
    return addSetupCallback(SetupKind::Services, reinterpret_cast<void*>(callback), level, "RegisterServiceSetupCallback");
}

} // namespace

xt::ActivationRecord makeActivationRecord()
{
    xt::ActivationRecord record{};
    record.size = sizeof record;
    record.offerXTension = &offerXTension;
    record.setActivationValue = &setActivationValue;
    record.registerSetupCallback = &registerSetupCallback;
    record.registerServiceSetupCallback = &registerServiceSetupCallback;
    return record;
}

} // namespace host::loader
