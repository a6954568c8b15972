// The outline of a point-list or Bezier item, held in a host memory block that the item record
// hands to the plug-ins: a header with the outline's rectangle, then the points.
#pragma once

#include <optional>
#include <vector>

#include "xtapi/box_record.h"
#include "xtapi/types.h"

namespace host::model {

class ShapeData {
public:
    /// A block holding `rect` and `points`; nullopt when the host is out of memory.
    static std::optional<ShapeData> create(const xt::FixedRect& rect, const std::vector<xt::FixedPoint>& points);

    ShapeData(ShapeData&& other) noexcept;
    ShapeData& operator=(ShapeData&& other) noexcept;
    ShapeData(const ShapeData&) = delete;
    ShapeData& operator=(const ShapeData&) = delete;
    ~ShapeData();

    xt::Handle handle() const { return m_handle; }
    xt::FixedRect rect() const;
    std::vector<xt::FixedPoint> points() const;

    /// Sets the rectangle to `to` and carries every point from `from` onto it (scale and move).
    /// An empty extent of `from` moves the points along that axis without scaling them.
    void map(const xt::FixedRect& from, const xt::FixedRect& to);
    void moveBy(xt::Fixed dv, xt::Fixed dh);

private:
    explicit ShapeData(xt::Handle handle) : m_handle(handle) {}
    int32_t pointCount() const;
    uint8_t* bytes() const { return reinterpret_cast<uint8_t*>(*m_handle); }

    xt::Handle m_handle = nullptr;
};

/// Carries one coordinate from the span [fromLow, fromHigh] onto [toLow, toHigh], rounding to the
/// nearest 1/65536 pt; an empty source span only moves it.
xt::Fixed mapCoordinate(xt::Fixed value, xt::Fixed fromLow, xt::Fixed fromHigh, xt::Fixed toLow, xt::Fixed toHigh);

} // namespace host::model
