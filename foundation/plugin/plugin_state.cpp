// The skeleton's per-module state.
#include "foundation/plugin/plugin_state.h"

namespace foundation {

PluginState& pluginState()
{
    static PluginState state;
    return state;
}

int32_t PluginState::windowId(int32_t offset) const
{
    if (offset < 0 || offset >= m_windowIdCount)
        return 0;
    return m_windowIds[static_cast<size_t>(offset)];
}

void PluginState::addWindowId(int32_t id)
{
    if (m_windowIdCount >= kMaxWindowIds)
        return;
    m_windowIds[static_cast<size_t>(m_windowIdCount++)] = id;
}

void PluginState::keepService(uint32_t serviceId, xt::Handle block)
{
    m_serviceId = serviceId;
    m_serviceBlock = block;
}

ComponentBinding* PluginState::addComponent(xt::FourLetterCode code)
{
    if (m_componentCount >= kMaxComponents)
        return nullptr;
    ComponentBinding& slot = m_components[static_cast<size_t>(m_componentCount++)];
    slot = ComponentBinding{};
    slot.code = code;
    return &slot;
}

const ComponentBinding* PluginState::component(xt::FourLetterCode code) const
{
    for (int32_t i = 0; i < m_componentCount; ++i) {
        if (m_components[static_cast<size_t>(i)].code == code)
            return &m_components[static_cast<size_t>(i)];
    }
    return nullptr;
}

} // namespace foundation
