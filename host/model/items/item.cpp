// An item's own fields, and its record written from and applied to them.
#include "host/model/items/item.h"

#include <algorithm>
#include <cstring>

#include "host/model/items/line_geometry.h"

namespace host::model {

Item::Item(int32_t ref, int32_t pageRef, xt::BoxKind kind, uint8_t shape)
    : m_ref(ref), m_pageRef(pageRef), m_kind(kind), m_shape(shape)
{
    if (kind == xt::BoxKind::Picture)
        m_content.picture.colour = xt::kBlackColour;
}

void Item::setOutsets(xt::Fixed top, xt::Fixed left, xt::Fixed bottom, xt::Fixed right)
{
    m_outsets = {top, left, bottom, right};
}

/// The bits of record byte 46 the model holds.
constexpr uint8_t kModelledStyleBits = xt::kLineStyleMask | xt::kArrowAtFirst | xt::kArrowAtSecond;

void Item::setLineStyle(uint8_t style)
{
    m_style = static_cast<uint8_t>((m_style & ~xt::kLineStyleMask) | ((style << xt::kLineStyleShift) & xt::kLineStyleMask));
}

void Item::setArrowheads(uint8_t arrows)
{
    const uint8_t both = xt::kArrowAtFirst | xt::kArrowAtSecond;
    m_style = static_cast<uint8_t>((m_style & ~both) | (arrows & both));
}

std::optional<int16_t> Item::pictureColour() const
{
    if (m_kind != xt::BoxKind::Picture)
        return std::nullopt;
    return m_content.picture.colour;
}

void Item::setPictureColour(int16_t colour)
{
    if (m_kind == xt::BoxKind::Picture)
        m_content.picture.colour = colour;
}

void Item::setGroupRole(GroupRole role, std::vector<int32_t> members)
{
    m_groupRole = role;
    m_members = std::move(members);
}

void Item::replaceMember(int32_t from, int32_t to)
{
    std::replace(m_members.begin(), m_members.end(), from, to);
}

void Item::removeMember(int32_t member)
{
    std::erase(m_members, member);
}

xt::BoxRecord Item::record() const
{
    xt::BoxRecord record;
    writeRecord(record);
    return record;
}

void Item::writeRecord(xt::BoxRecord& record) const
{
    if (m_unmodelled)
        record = *m_unmodelled;
    else
        std::memset(&record, 0, sizeof record);
    record.angle = m_angle;
    record.flags = m_flags;
    record.style = static_cast<uint8_t>((record.style & ~kModelledStyleBits) | m_style);
    record.weight = m_weight;
    record.frameColour = m_frame.colour;
    record.frameShade = m_frame.shade;
    record.backgroundColour = m_background.colour;
    record.backgroundShade = m_background.shade;
    // The record's fields are unaligned, so they are written one by one, never through a reference.
    for (size_t side = 0; side < m_outsets.size(); ++side)
        record.outsets[side] = m_outsets[side];
    record.corner = m_corner;
    record.kind = static_cast<uint8_t>(m_kind);
    record.shape = m_shape;
    record.groupFlags = m_groupRole == GroupRole::Selection ? xt::kSelectionGroupBit : 0;
    record.lockFlags = m_locked ? xt::kItemLocked : 0;
    record.content.picture = m_content.picture;
    if (m_shapeData)
        record.geometry.shapeData = m_shapeData->handle();
    else
        record.geometry.rect = m_rect;
}

void Item::apply(const xt::BoxRecord& record)
{
    m_angle = record.angle;
    m_flags = record.flags;
    m_style = static_cast<uint8_t>(record.style & kModelledStyleBits);
    m_weight = record.weight;
    m_frame = {record.frameColour, record.frameShade};
    m_background = {record.backgroundColour, record.backgroundShade};
    for (size_t side = 0; side < m_outsets.size(); ++side)
        m_outsets[side] = record.outsets[side];
    m_corner = record.corner;
    m_content.picture = record.content.picture;
    if (!m_shapeData && !isGroupKind())
        m_rect = record.geometry.rect;
    keepUnmodelled(record);
}

void Item::keepUnmodelled(const xt::BoxRecord& record)
{
    static const xt::BoxRecord kNothing{};
    xt::BoxRecord rest = record;
    rest.angle = 0;
    rest.flags = 0;
    rest.style &= static_cast<uint8_t>(~kModelledStyleBits);
    rest.kind = 0;
    rest.shape = 0;
    rest.weight = 0;
    rest.frameColour = 0;
    rest.frameShade = 0;
    rest.backgroundColour = 0;
    rest.backgroundShade = 0;
    for (size_t side = 0; side < m_outsets.size(); ++side)
        rest.outsets[side] = 0;
    rest.geometry = {};
    rest.corner = 0;
    rest.groupFlags = 0;
    rest.lockFlags = 0;
    rest.content = {};
    if (std::memcmp(&rest, &kNothing, sizeof rest) == 0) {
        m_unmodelled.reset();
        return;
    }
    if (!m_unmodelled)
        m_unmodelled = std::make_unique<xt::BoxRecord>();
    *m_unmodelled = rest;
}

void Item::moveBy(xt::Fixed dv, xt::Fixed dh)
{
    if (m_shapeData) {
        m_shapeData->moveBy(dv, dh);
        return;
    }
    m_rect = {m_rect.top + dv, m_rect.left + dh, m_rect.bottom + dv, m_rect.right + dh};
}

xt::FixedRect ownBounds(const Item& item)
{
    if (const ShapeData* data = item.shapeData())
        return data->rect();
    if (item.isLine())
        return boundsOf(lineEnds(item.rect(), item.angle()));
    return item.rect();
}

xt::FixedRect unite(const xt::FixedRect& a, const xt::FixedRect& b)
{
    return {std::min(a.top, b.top), std::min(a.left, b.left), std::max(a.bottom, b.bottom), std::max(a.right, b.right)};
}

} // namespace host::model
