// The outline block of a shaped item: its layout is xt::ShapeDataHeader, then the points.
#include "host/model/items/shape_data.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "win32/standin.h"

namespace host::model {
namespace {

xt::Fixed saturate(int64_t value)
{
    if (value > std::numeric_limits<xt::Fixed>::max())
        return std::numeric_limits<xt::Fixed>::max();
    if (value < std::numeric_limits<xt::Fixed>::min())
        return std::numeric_limits<xt::Fixed>::min();
    return static_cast<xt::Fixed>(value);
}

} // namespace

xt::Fixed mapCoordinate(xt::Fixed value, xt::Fixed fromLow, xt::Fixed fromHigh, xt::Fixed toLow, xt::Fixed toHigh)
{
    const int64_t fromSpan = int64_t{fromHigh} - fromLow;
    const int64_t offset = int64_t{value} - fromLow;
    if (fromSpan == 0)
        return saturate(int64_t{toLow} + offset);
    const double scaled = static_cast<double>(offset) * static_cast<double>(int64_t{toHigh} - toLow) / static_cast<double>(fromSpan);
    return saturate(int64_t{toLow} + std::llround(scaled));
}

std::optional<ShapeData> ShapeData::create(const xt::FixedRect& rect, const std::vector<xt::FixedPoint>& points)
{
    const auto size = static_cast<int32_t>(xt::kShapeDataPoints + points.size() * sizeof(xt::FixedPoint));
    xt::Handle handle = win32::newHandle(size);
    if (!handle)
        return std::nullopt;
    ShapeData data(handle);
    xt::ShapeDataHeader header{};
    header.byteSize = size;
    header.rect = rect;
    header.pointCount = static_cast<int32_t>(points.size());
    xt::writeAt(data.bytes(), header);
    for (size_t i = 0; i < points.size(); ++i)
        xt::writeAt(data.bytes(), points[i], xt::kShapeDataPoints + i * sizeof(xt::FixedPoint));
    return data;
}

ShapeData::ShapeData(ShapeData&& other) noexcept : m_handle(other.m_handle)
{
    other.m_handle = nullptr;
}

ShapeData& ShapeData::operator=(ShapeData&& other) noexcept
{
    if (this != &other) {
        if (m_handle)
            win32::disposeHandle(m_handle);
        m_handle = other.m_handle;
        other.m_handle = nullptr;
    }
    return *this;
}

ShapeData::~ShapeData()
{
    if (m_handle)
        win32::disposeHandle(m_handle);
}

xt::FixedRect ShapeData::rect() const
{
    return xt::readAt<xt::FixedRect>(bytes(), offsetof(xt::ShapeDataHeader, rect));
}

int32_t ShapeData::pointCount() const
{
    // A plug-in may have shrunk the block; never read points past its end.
    const int32_t stored = xt::readAt<int32_t>(bytes(), offsetof(xt::ShapeDataHeader, pointCount));
    const int32_t room = (win32::handleSize(m_handle) - static_cast<int32_t>(xt::kShapeDataPoints))
        / static_cast<int32_t>(sizeof(xt::FixedPoint));
    return std::max(0, std::min(stored, room));
}

std::vector<xt::FixedPoint> ShapeData::points() const
{
    std::vector<xt::FixedPoint> result(static_cast<size_t>(pointCount()));
    for (size_t i = 0; i < result.size(); ++i)
        result[i] = xt::readAt<xt::FixedPoint>(bytes(), xt::kShapeDataPoints + i * sizeof(xt::FixedPoint));
    return result;
}

void ShapeData::map(const xt::FixedRect& from, const xt::FixedRect& to)
{
    std::vector<xt::FixedPoint> moved = points();
    for (auto& point : moved) {
        point.v = mapCoordinate(point.v, from.top, from.bottom, to.top, to.bottom);
        point.h = mapCoordinate(point.h, from.left, from.right, to.left, to.right);
    }
    xt::writeAt(bytes(), to, offsetof(xt::ShapeDataHeader, rect));
    for (size_t i = 0; i < moved.size(); ++i)
        xt::writeAt(bytes(), moved[i], xt::kShapeDataPoints + i * sizeof(xt::FixedPoint));
}

void ShapeData::moveBy(xt::Fixed dv, xt::Fixed dh)
{
    const xt::FixedRect from = rect();
    const xt::FixedRect to{from.top + dv, from.left + dh, from.bottom + dv, from.right + dh};
    map(from, to);
}

} // namespace host::model
