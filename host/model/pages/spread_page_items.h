// The page item of each spread: a reference the plug-ins hold like an item's, whose record is the
// spread's page table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>

#include "host/model/reference_allocator.h"

namespace host::model {

struct SpreadKey {
    bool master = false;
    size_t spread = 0;
    auto operator<=>(const SpreadKey&) const = default;
};

class SpreadPageItems {
public:
    explicit SpreadPageItems(ReferenceAllocator& references) : m_references(&references) {}

    /// The spread's page item, made the first time it is asked for and kept from then on.
    int32_t itemOf(SpreadKey spread);
    std::optional<SpreadKey> spreadOf(int32_t item) const;

    /// Page-table records given out and not yet released, by the handle the caller holds.
    void gaveOut(const void* record, SpreadKey spread) { m_records[record] = spread; }
    std::optional<SpreadKey> recordOf(const void* record) const;
    bool takeBack(const void* record) { return m_records.erase(record) != 0; }

private:
    ReferenceAllocator* m_references;
    std::map<SpreadKey, int32_t> m_items;
    std::map<const void*, SpreadKey> m_records;
};

} // namespace host::model
