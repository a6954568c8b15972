// The state the skeleton keeps for the life of the plug-in: one instance per module.
#pragma once

#include <array>
#include <cstdint>

#include "foundation/plugin/plugin_description.h"
#include "xtapi/records.h"
#include "xtapi/types.h"

namespace foundation {

inline constexpr int32_t kMaxComponents = 8;

/// What the host gave for one component found by code.
struct ComponentBinding {
    xt::FourLetterCode code = 0;
    uint32_t reference = 0;
    uint32_t token = 0;
    std::array<void*, kMaxComponentReferences> tables{};
};

class PluginState {
public:
    const PluginDescription* description() const { return m_description; }
    void describe(const PluginDescription& description) { m_description = &description; }

    xt::ModuleInstance instance() const { return m_instance; }
    void keepInstance(xt::ModuleInstance instance) { m_instance = instance; }
    void* banner() const { return m_banner; }
    void keepBanner(void* bitmap) { m_banner = bitmap; }

    int32_t windowIdCount() const { return m_windowIdCount; }
    /// The reserved id at `offset`, or 0 when that id was never reserved.
    int32_t windowId(int32_t offset) const;
    void addWindowId(int32_t id);

    uint32_t serviceId() const { return m_serviceId; }
    xt::Handle serviceBlock() const { return m_serviceBlock; }
    void keepService(uint32_t serviceId, xt::Handle block);

    uint16_t languageCode() const { return m_languageCode; }
    void setLanguageCode(uint16_t code) { m_languageCode = code; }

    /// A free slot for a component's binding, or null when the plug-in asks for too many.
    ComponentBinding* addComponent(xt::FourLetterCode code);
    const ComponentBinding* component(xt::FourLetterCode code) const;

private:
    const PluginDescription* m_description = nullptr;
    xt::ModuleInstance m_instance = nullptr;
    void* m_banner = nullptr;
    std::array<int32_t, kMaxWindowIds> m_windowIds{};
    int32_t m_windowIdCount = 0;
    uint32_t m_serviceId = 0;
    xt::Handle m_serviceBlock = nullptr;
    uint16_t m_languageCode = 0;
    std::array<ComponentBinding, kMaxComponents> m_components{};
    int32_t m_componentCount = 0;
};

PluginState& pluginState();

} // namespace foundation
