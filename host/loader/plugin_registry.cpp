// The host's record of modules, handlers, window ids, services and component references.
#include "host/loader/plugin_registry.h"

#include <algorithm>

namespace host::loader {

PluginRegistry::PluginRegistry()
{
    for (const auto& component : kComponents) {
        const uint32_t first = newReferences(component.referenceCount);
        m_componentReferences.emplace(component.code, first);
        for (int32_t k = 0; k < component.referenceCount; ++k)
            m_componentPlaces.emplace(first + static_cast<uint32_t>(k), ComponentPlace{component.code, k});
    }
}

LoadedModule& PluginRegistry::add(std::unique_ptr<LoadedModule> module)
{
    m_modules.push_back(std::move(module));
    return *m_modules.back();
}

void PluginRegistry::remove(LoadedModule& module)
{
    makeInert(module);
    std::erase_if(m_services, [&](const auto& entry) { return entry.second.first == &module; });
    std::erase_if(m_modules, [&](const auto& entry) { return entry.get() == &module; });
}

void PluginRegistry::addHandler(LoadedModule& module, int32_t number, xt::MessageHandler handler)
{
    m_handlers.push_back({&module, number, handler});
}

std::vector<RegisteredHandler> PluginRegistry::handlersFor(int32_t number) const
{
    std::vector<RegisteredHandler> found;
    for (const auto& entry : m_handlers) {
        if (entry.number == number && entry.module->state == PluginState::Active)
            found.push_back(entry);
    }
    return found;
}

int32_t PluginRegistry::reserveWindowIds(LoadedModule& module, int32_t count)
{
    const int32_t base = m_nextWindowId;
    m_nextWindowId += count;
    module.windowIds.push_back({base, count});
    return base;
}

bool PluginRegistry::ownsWindowId(const LoadedModule& module, int32_t windowId) const
{
    return std::any_of(module.windowIds.begin(), module.windowIds.end(),
        [&](const WindowIdRange& range) { return windowId >= range.base && windowId < range.base + range.count; });
}

bool PluginRegistry::addWindowCallback(LoadedModule& module, int32_t windowId, xt::MessageHandler callback)
{
    if (!ownsWindowId(module, windowId))
        return false;
    m_windowCallbacks[windowId] = {&module, windowId, callback};
    return true;
}

std::optional<RegisteredHandler> PluginRegistry::windowCallback(int32_t windowId) const
{
    auto found = m_windowCallbacks.find(windowId);
    if (found == m_windowCallbacks.end() || found->second.module->state != PluginState::Active)
        return std::nullopt;
    return found->second;
}

uint32_t PluginRegistry::newReferences(int32_t count)
{
    const uint32_t first = m_nextReference;
    m_nextReference += static_cast<uint32_t>(count);
    return first;
}

bool PluginRegistry::publish(LoadedModule& module, uint32_t serviceId, xt::Handle service)
{
    const bool owned = std::find(module.serviceIds.begin(), module.serviceIds.end(), serviceId) != module.serviceIds.end();
    if (!owned || !service)
        return false;
    m_services[serviceId] = {&module, service};
    return true;
}

xt::Handle PluginRegistry::published(uint32_t reference) const
{
    auto found = m_services.find(reference);
    if (found == m_services.end() || found->second.first->state != PluginState::Active)
        return nullptr;
    return found->second.second;
}

std::optional<uint32_t> PluginRegistry::componentReference(xt::FourLetterCode code) const
{
    auto found = m_componentReferences.find(code);
    if (found == m_componentReferences.end())
        return std::nullopt;
    return found->second;
}

std::optional<PluginRegistry::ComponentPlace> PluginRegistry::componentPlace(uint32_t reference) const
{
    auto found = m_componentPlaces.find(reference);
    if (found == m_componentPlaces.end())
        return std::nullopt;
    return found->second;
}

LoadedModule* PluginRegistry::findActive(xt::XTensionId id) const
{
    for (const auto& module : m_modules) {
        if (module->offered && module->id == id && module->state == PluginState::Active)
            return module.get();
    }
    return nullptr;
}

void PluginRegistry::makeInert(LoadedModule& module)
{
    module.state = PluginState::Inert;
    std::erase_if(m_handlers, [&](const RegisteredHandler& entry) { return entry.module == &module; });
    std::erase_if(m_windowCallbacks, [&](const auto& entry) { return entry.second.module == &module; });
    // Its services stay on record, unpublished (published() asks for an active module), so the host
    // can still free them when it quits.
}

std::vector<xt::Handle> PluginRegistry::serviceHandles() const
{
    std::vector<xt::Handle> handles;
    for (const auto& [reference, service] : m_services)
        handles.push_back(service.second);
    return handles;
}

bool PluginRegistry::useResourceFile(int16_t file)
{
    if (file != kApplicationResourceFile && !resourceModuleOf(file))
        return false;
    m_resourceFile = file;
    return true;
}

const LoadedModule* PluginRegistry::resourceModule() const
{
    return resourceModuleOf(m_resourceFile);
}

const LoadedModule* PluginRegistry::resourceModuleOf(int16_t file) const
{
    if (file == kApplicationResourceFile)
        return nullptr;
    for (const auto& module : m_modules) {
        if (module->resourceFile == file && module->state == PluginState::Active)
            return module.get();
    }
    return nullptr;
}

} // namespace host::loader
