// What the host knows of its loaded modules: set-up callbacks, handlers, window ids, services, references.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/loader/components.h"
#include "xtapi/records.h"

namespace host::loader {

enum class SetupKind : uint8_t { Registration, Services };

struct SetupCallback {
    SetupKind kind;
    void* function;
    int32_t level;
};

struct WindowIdRange {
    int32_t base;
    int32_t count;
};

/// One loaded module and what it registered. The records live here, since a plug-in keeps the
/// registration record's address for later calls.
struct LoadedModule {
    std::string file;
    void* library = nullptr;
    const xt::ModuleImage* image = nullptr;
    xt::ActivateFn activate = nullptr;

    xt::XTensionId id = 0;
    bool offered = false;
    std::string offerRefusal; // why the host refused the offer, when it did
    std::vector<SetupCallback> setupCallbacks;
    PluginState state = PluginState::Active;

    std::vector<WindowIdRange> windowIds;
    uint32_t reference = 0;             // what FindXTension answers when the plug-in published nothing
    std::vector<uint32_t> serviceIds;   // references from NewServiceId
    int16_t resourceFile = 0;

    xt::ActivationRecord activationRecord{};
    xt::SetupRecord setupRecord{};
    xt::RegistrationRecord registrationRecord{};
};

struct RegisteredHandler {
    LoadedModule* module;
    int32_t number;
    xt::MessageHandler handler;
};

class PluginRegistry {
public:
    PluginRegistry();

    LoadedModule& add(std::unique_ptr<LoadedModule> module);
    void remove(LoadedModule& module);
    const std::vector<std::unique_ptr<LoadedModule>>& modules() const { return m_modules; }

    /// The module the host is calling into; null when none.
    LoadedModule* current() const { return m_current; }
    /// Sets the current module for the lifetime of the scope, and its own resource file as the current one.
    class Scope {
    public:
        Scope(PluginRegistry& registry, LoadedModule* module)
            : m_registry(registry), m_previous(registry.m_current), m_previousFile(registry.m_resourceFile)
        {
            registry.m_current = module;
            registry.m_resourceFile = module ? module->resourceFile : kApplicationResourceFile;
        }
        ~Scope()
        {
            m_registry.m_current = m_previous;
            m_registry.m_resourceFile = m_previousFile;
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        PluginRegistry& m_registry;
        LoadedModule* m_previous;
        int16_t m_previousFile;
    };

    /// The application's own resource file, which holds nothing a plug-in asks for.
    static constexpr int16_t kApplicationResourceFile = 0;
    /// The resource file GetResource reads.
    int16_t resourceFile() const { return m_resourceFile; }
    /// Makes `file` current: the application's or an active module's; false for any other number.
    bool useResourceFile(int16_t file);
    /// The module whose resource file is current; null for the application's.
    const LoadedModule* resourceModule() const;

    // Message handlers and window callbacks.
    void addHandler(LoadedModule& module, int32_t number, xt::MessageHandler handler);
    /// The handlers of active modules for this number, in registration order.
    std::vector<RegisteredHandler> handlersFor(int32_t number) const;
    size_t handlerCount(int32_t number) const { return handlersFor(number).size(); }
    int32_t reserveWindowIds(LoadedModule& module, int32_t count);
    bool ownsWindowId(const LoadedModule& module, int32_t windowId) const;
    bool addWindowCallback(LoadedModule& module, int32_t windowId, xt::MessageHandler callback);
    std::optional<RegisteredHandler> windowCallback(int32_t windowId) const;

    // References, services and components.
    uint32_t newReferences(int32_t count);
    bool publish(LoadedModule& module, uint32_t serviceId, xt::Handle service);
    /// The handle published under a reference, or null.
    xt::Handle published(uint32_t reference) const;
    /// The first reference of a component, or nullopt for a code that names none.
    std::optional<uint32_t> componentReference(xt::FourLetterCode code) const;
    struct ComponentPlace {
        xt::FourLetterCode component;
        int32_t index; // 0 for the component's first reference
    };
    /// Which component a reference belongs to, or nullopt.
    std::optional<ComponentPlace> componentPlace(uint32_t reference) const;
    LoadedModule* findActive(xt::XTensionId id) const;

    /// Withdraws the module's handlers, window callbacks and services; the module stays loaded.
    void makeInert(LoadedModule& module);
    /// Every service block ever published, for the host to free when it quits.
    std::vector<xt::Handle> serviceHandles() const;

private:
    const LoadedModule* resourceModuleOf(int16_t file) const;

    std::vector<std::unique_ptr<LoadedModule>> m_modules;
    LoadedModule* m_current = nullptr;
    int16_t m_resourceFile = kApplicationResourceFile;
    std::vector<RegisteredHandler> m_handlers;
    std::map<int32_t, RegisteredHandler> m_windowCallbacks;
    std::map<uint32_t, std::pair<LoadedModule*, xt::Handle>> m_services;
    std::map<xt::FourLetterCode, uint32_t> m_componentReferences;
    std::map<uint32_t, ComponentPlace> m_componentPlaces;
    int32_t m_nextWindowId = xt::kFirstWindowId;
    // References sit far below every four-letter code, so AcquireHostInterface tells them apart.
    uint32_t m_nextReference = 0x1000;
};

} // namespace host::loader
