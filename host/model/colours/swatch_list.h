// A plug-in's own list of colour swatches (ColorOp336): unnamed colours for its pop-up menus, numbered
// from 0 in the order they were added. It belongs to no document and changes none.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "host/model/colours/colour_value.h"

namespace host::model {

class SwatchList {
public:
    explicit SwatchList(int32_t ref) : m_ref(ref) {}

    int32_t ref() const { return m_ref; }
    size_t size() const { return m_swatches.size(); }

    /// A new swatch (black until set); its number, or empty when the list is full.
    std::optional<int16_t> add()
    {
        if (m_swatches.size() > static_cast<size_t>(INT16_MAX))
            return std::nullopt;
        m_swatches.push_back(ColourValue::rgb({0, 0, 0}));
        return static_cast<int16_t>(m_swatches.size() - 1);
    }
    /// The swatch's colour, or null for a number the list has not given out.
    const ColourValue* find(int16_t id) const
    {
        return id >= 0 && static_cast<size_t>(id) < m_swatches.size() ? &m_swatches[static_cast<size_t>(id)] : nullptr;
    }
    bool set(int16_t id, const ColourValue& value)
    {
        if (!find(id))
            return false;
        m_swatches[static_cast<size_t>(id)] = value;
        return true;
    }

private:
    int32_t m_ref;
    std::vector<ColourValue> m_swatches;
};

} // namespace host::model
