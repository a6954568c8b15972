// The item outlines ShapeOp2219 gave out, by number, until ShapeOp1270 frees them.
#pragma once

#include <cstdint>
#include <map>

#include "host/model/items/item_outline.h"

namespace host::api {

class ShapeTable {
public:
    /// The outline's number, from 1; numbers are never given twice.
    int32_t add(model::ItemOutline outline)
    {
        m_shapes.emplace(++m_last, std::move(outline));
        return m_last;
    }
    model::ItemOutline* find(int32_t shape)
    {
        auto found = m_shapes.find(shape);
        return found == m_shapes.end() ? nullptr : &found->second;
    }
    void remove(int32_t shape) { m_shapes.erase(shape); }
    size_t size() const { return m_shapes.size(); }

private:
    std::map<int32_t, model::ItemOutline> m_shapes;
    int32_t m_last = 0;
};

} // namespace host::api
