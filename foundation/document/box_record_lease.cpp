// Holding a host item record for a scope.
#include "foundation/document/box_record_lease.h"

#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"

namespace foundation {

BoxRecordLease BoxRecordLease::ofCurrentItem()
{
    return BoxRecordLease(xt::calls::GetBoxRecord(nullptr, 0, 0));
}

BoxRecordLease BoxRecordLease::of(int32_t item)
{
    return BoxRecordLease(xt::calls::GetBoxRecord(nullptr, item, 0));
}

BoxRecordLease::~BoxRecordLease()
{
    release();
}

BoxRecordLease::BoxRecordLease(BoxRecordLease&& other) noexcept : m_record(other.m_record)
{
    other.m_record = nullptr;
}

bool BoxRecordLease::store(int32_t refresh)
{
    return m_record && xt::calls::BoxRecordOp3010(m_record, 0, 0, refresh) == 0;
}

bool BoxRecordLease::storeTo(int32_t item, int32_t refresh)
{
    return m_record && xt::calls::BoxRecordOp3010(m_record, item, 0, refresh) == 0;
}

void BoxRecordLease::reread()
{
    if (m_record)
        xt::calls::GetBoxRecord(m_record, 0, 0);
}

void BoxRecordLease::release()
{
    if (!m_record)
        return;
    xt::calls::ReleaseBoxRecord(m_record, 1);
    m_record = nullptr;
}

void* BoxRecordLease::fieldAddress(size_t offset)
{
    return reinterpret_cast<uint8_t*>(m_record) + offset;
}

std::optional<FixedRect> shapeDataRect(const BoxRecord& record)
{
    const xt::Handle data = xt::readAt<xt::Handle>(&record, xt::kRecordTopLeft);
    if (!data || !*data)
        return std::nullopt;
    return xt::readAt<FixedRect>(*data, offsetof(xt::ShapeDataHeader, rect));
}

std::optional<FixedRect> outlineRect(const BoxRecord& record)
{
    if (xt::shape::hasShapeData(record.shape))
        return shapeDataRect(record);
    return xt::readAt<FixedRect>(&record, xt::kRecordTopLeft);
}

} // namespace foundation
