// The host item record held for the length of a scope: read with GetBoxRecord, stored on request
// with BoxRecordOp3010, always handed back with ReleaseBoxRecord.
#pragma once

#include <cstdint>
#include <optional>

#include "xtapi/box_record.h"

namespace foundation {

using xt::BoxRecord;
using xt::FixedRect;

class BoxRecordLease {
public:
    /// The current item's record.
    static BoxRecordLease ofCurrentItem();
    /// The record of `item`.
    static BoxRecordLease of(int32_t item);

    ~BoxRecordLease();
    BoxRecordLease(BoxRecordLease&& other) noexcept;
    BoxRecordLease(const BoxRecordLease&) = delete;
    BoxRecordLease& operator=(const BoxRecordLease&) = delete;
    BoxRecordLease& operator=(BoxRecordLease&&) = delete;

    /// False when the host had no record to give.
    explicit operator bool() const { return m_record != nullptr; }
    BoxRecord* operator->() { return m_record; }
    const BoxRecord* operator->() const { return m_record; }
    BoxRecord* get() { return m_record; }

    /// Applies the record to the item it was read from; `refresh` 1 redraws. False when the host refused.
    bool store(int32_t refresh = 1);
    /// Applies the record to `item`.
    bool storeTo(int32_t item, int32_t refresh);
    /// Reads the item's state into the record in hand again.
    void reread();
    /// Hands the record back now instead of at the end of the scope.
    void release();

    /// The address of a record field by its byte offset, for the host calls that take one.
    void* fieldAddress(size_t offset);

private:
    explicit BoxRecordLease(void* record) : m_record(static_cast<BoxRecord*>(record)) {}

    BoxRecord* m_record = nullptr;
};

/// The item's outline rectangle: the record's own, or its shape data's for shapes 3, 4, 10 and 11.
/// Empty when a shaped item has no shape data.
std::optional<FixedRect> outlineRect(const BoxRecord& record);

/// The shape data's rectangle of a shaped item, read from its handle; empty without one.
std::optional<FixedRect> shapeDataRect(const BoxRecord& record);

} // namespace foundation
