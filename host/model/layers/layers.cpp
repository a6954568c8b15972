// A layout's layers.
#include "host/model/layers/layers.h"

#include <algorithm>

namespace host::model {

bool isValidLayerName(std::string_view name)
{
    const bool printable = std::all_of(name.begin(), name.end(),
        [](char c) { return static_cast<unsigned char>(c) >= 0x20 && c != 0x7F; });
    return printable && !name.empty() && name.size() <= kMaxLayerName;
}

Layers::Layers()
{
    reset();
}

void Layers::reset()
{
    m_layers = {Layer{kDefaultLayer, std::string(kDefaultLayerName), true, false}};
    m_current = kDefaultLayer;
    m_nextId = 1;
}

const Layer* Layers::find(int32_t id) const
{
    const auto found = std::find_if(m_layers.begin(), m_layers.end(), [&](const Layer& l) { return l.id == id; });
    return found == m_layers.end() ? nullptr : &*found;
}

Layer* Layers::findMutable(int32_t id)
{
    return const_cast<Layer*>(find(id));
}

const Layer* Layers::findByName(std::string_view name) const
{
    const auto found = std::find_if(m_layers.begin(), m_layers.end(), [&](const Layer& l) { return l.name == name; });
    return found == m_layers.end() ? nullptr : &*found;
}

std::optional<int32_t> Layers::create(std::string_view name)
{
    if (!isValidLayerName(name) || findByName(name))
        return std::nullopt;
    const int32_t id = m_nextId++;
    m_layers.insert(m_layers.begin(), Layer{id, std::string(name), true, false});
    return id;
}

bool Layers::restore(const std::vector<Layer>& layers)
{
    std::vector<Layer> list = layers;
    const auto isDefault = [](const Layer& l) { return l.id == kDefaultLayer; };
    if (std::none_of(list.begin(), list.end(), isDefault))
        list.push_back(Layer{kDefaultLayer, std::string(kDefaultLayerName), true, false});
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].id < 0 || !isValidLayerName(list[i].name))
            return false;
        for (size_t j = 0; j < i; ++j) {
            if (list[j].id == list[i].id || list[j].name == list[i].name)
                return false;
        }
    }
    m_layers = std::move(list);
    m_current = kDefaultLayer;
    m_nextId = 1;
    for (const Layer& layer : m_layers)
        m_nextId = std::max(m_nextId, layer.id + 1);
    return true;
}

bool Layers::remove(int32_t id)
{
    const Layer* layer = find(id);
    if (!layer || id == kDefaultLayer)
        return false;
    m_layers.erase(m_layers.begin() + (layer - m_layers.data()));
    if (m_current == id)
        m_current = kDefaultLayer;
    return true;
}

bool Layers::makeCurrent(int32_t id)
{
    if (!find(id))
        return false;
    m_current = id;
    return true;
}

bool Layers::setVisible(int32_t id, bool visible)
{
    Layer* layer = findMutable(id);
    if (layer)
        layer->visible = visible;
    return layer != nullptr;
}

bool Layers::setLocked(int32_t id, bool locked)
{
    Layer* layer = findMutable(id);
    if (layer)
        layer->locked = locked;
    return layer != nullptr;
}

bool Layers::rename(int32_t id, std::string_view name)
{
    Layer* layer = findMutable(id);
    const Layer* holder = findByName(name);
    if (!layer || !isValidLayerName(name) || (holder && holder != layer))
        return false;
    layer->name = std::string(name);
    return true;
}

bool Layers::move(int32_t id, size_t position)
{
    const Layer* layer = find(id);
    if (!layer || position >= m_layers.size())
        return false;
    const Layer moved = *layer;
    m_layers.erase(m_layers.begin() + (layer - m_layers.data()));
    m_layers.insert(m_layers.begin() + static_cast<std::ptrdiff_t>(position), moved);
    return true;
}

} // namespace host::model
