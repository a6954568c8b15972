// The level-200 set-up: bind the host (record, tables, services, components), then register.
#include "foundation/binding/binding.h"
#include "foundation/plugin/plugin_state.h"
#include "foundation/plugin/skeleton.h"
#include "xtapi/status.h"

namespace foundation {

namespace {

int32_t findComponent(xt::RegistrationRecord& record, ComponentBinding& bound)
{
    if (!record.findXTension)
        return xt::kStatusRefused;
    return record.findXTension(bound.code, &bound.reference);
}

int32_t acquireComponentTables(xt::RegistrationRecord& record, const ComponentRequest& request, ComponentBinding& bound)
{
    if (request.references < 1 || request.references > kMaxComponentReferences || !record.acquireHostInterface)
        return xt::kStatusRefused;
    for (int32_t k = 0; k < request.references; ++k) {
        void* table = nullptr;
        const uint32_t reference = bound.reference + static_cast<uint32_t>(k);
        const int32_t status = record.acquireHostInterface(reference, &table, nullptr, 0);
        if (status != xt::kStatusOk)
            return status;
        bound.tables[static_cast<size_t>(k)] = table;
    }
    return xt::kStatusOk;
}

int32_t askSlot14(xt::RegistrationRecord& record, ComponentBinding& bound)
{
    if (!record.hostRecordSlot14)
        return xt::kStatusRefused;
    return record.hostRecordSlot14(bound.code, &bound.token);
}

int32_t acquireComponent(xt::RegistrationRecord& record, ComponentOrder order, const ComponentRequest& request)
{
    ComponentBinding* bound = pluginState().addComponent(request.code);
    if (!bound)
        return xt::kStatusRefused;
    if (order == ComponentOrder::Slot14First) {
        if (const int32_t status = askSlot14(record, *bound); status != xt::kStatusOk)
            return status;
    }
    if (const int32_t status = findComponent(record, *bound); status != xt::kStatusOk)
        return status;
    if (const int32_t status = acquireComponentTables(record, request, *bound); status != xt::kStatusOk)
        return status;
    return order == ComponentOrder::FindFirst ? askSlot14(record, *bound) : xt::kStatusOk;
}

/// Steps that may fail: after any of them fails no handler has been registered yet.
int32_t bindHost(const PluginDescription& description, xt::RegistrationRecord& record)
{
    const uint32_t* words = xt::kBindingWords;
    if (const int32_t status = checkRegistrationRecord(&record, words[0], words[1], words[2]); status != xt::kStatusOk)
        return status;
    if (const int32_t status = acquireRequestTables(); status != xt::kStatusOk)
        return status;
    if (const int32_t status = acquireServices(); status != xt::kStatusOk)
        return status;
    for (const ComponentRequest& request : description.components) {
        if (const int32_t status = acquireComponent(record, description.componentOrder, request); status != xt::kStatusOk)
            return status;
    }
    return xt::kStatusOk;
}

bool windowIdsReserved(const PluginDescription& description)
{
    for (const WindowEntry& window : description.windows) {
        if (pluginState().windowId(window.offset) == 0)
            return false;
    }
    return true;
}

void registerHandlers(const PluginDescription& description, xt::RegistrationRecord& record)
{
    for (const MessageEntry& entry : description.messages)
        record.registerMessageCallback(entry.message, entry.handler, xt::kCallbackKind, xt::kLevelCallbacks, 0);
    for (const WindowEntry& window : description.windows)
        record.registerMessageCallback(pluginState().windowId(window.offset), window.callback, xt::kCallbackKind,
            xt::kLevelCallbacks, 0);
}

} // namespace

int32_t RegisterCallbacks(xt::RegistrationRecord* record)
{
    const PluginDescription* description = pluginState().description();
    if (!record || !description)
        return xt::kStatusRefused;
    binding().record = record;
    if (bindHost(*description, *record) != xt::kStatusOk)
        return xt::kStatusRefused;
    // A window callback under an id the host never reserved would answer some message number instead.
    if (!windowIdsReserved(*description) || !record->registerMessageCallback)
        return xt::kStatusRefused;
    registerHandlers(*description, *record);
    if (description->startUp && description->startUp() != xt::kStatusOk)
        return xt::kStatusRefused;
    return xt::kStatusOk;
}

void* componentTable(xt::FourLetterCode code, int32_t reference)
{
    const ComponentBinding* bound = pluginState().component(code);
    if (!bound || reference < 0 || reference >= kMaxComponentReferences)
        return nullptr;
    return bound->tables[static_cast<size_t>(reference)];
}

uint32_t componentToken(xt::FourLetterCode code)
{
    const ComponentBinding* bound = pluginState().component(code);
    return bound ? bound->token : 0;
}

} // namespace foundation
