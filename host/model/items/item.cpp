// An item's own fields, and its record written from and applied to them.
#include "host/model/items/item.h"

#include <algorithm>

#include "host/model/items/line_geometry.h"

namespace host::model {

Item::Item(int32_t ref, int32_t pageRef, xt::BoxKind kind, uint8_t shape)
    : m_ref(ref), m_pageRef(pageRef), m_kind(kind), m_shape(shape)
{
}

void Item::setOutsets(xt::Fixed top, xt::Fixed left, xt::Fixed bottom, xt::Fixed right)
{
    m_fields.outsets[0] = top;
    m_fields.outsets[1] = left;
    m_fields.outsets[2] = bottom;
    m_fields.outsets[3] = right;
}

void Item::setColour(int16_t colour, xt::Fixed shade)
{
    m_colour = colour;
    m_shade = shade;
}

void Item::makeKindTwo(GroupRole role, std::vector<int32_t> members)
{
    m_role = role;
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
    xt::BoxRecord record = m_fields;
    record.kind = static_cast<uint8_t>(m_kind);
    record.shape = m_shape;
    record.groupFlags = m_role == GroupRole::Selection ? xt::kSelectionGroupBit : 0;
    record.content.picture = m_content.picture;
    if (m_shapeData)
        record.geometry.shapeData = m_shapeData->handle();
    else
        record.geometry.rect = m_rect;
    return record;
}

void Item::apply(const xt::BoxRecord& record)
{
    const auto host = m_fields;
    m_fields = record;
    m_fields.kind = host.kind;
    m_fields.shape = host.shape;
    m_fields.groupFlags = host.groupFlags;
    m_fields.geometry = host.geometry;
    m_content.picture = record.content.picture;
    if (!m_shapeData && !isKindTwo())
        m_rect = record.geometry.rect;
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
