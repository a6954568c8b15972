// A tab stop of a paragraph, and its 16-byte contract record.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "xtapi/text_records.h"
#include "xtapi/types.h"

namespace host::model {

struct TabStop {
    int16_t alignment = 0; // 0 left, 1 centre, 2 right, 3 on the align character
    uint16_t alignCharacter = 0;
    uint16_t fill[2] = {0, 0};
    xt::Fixed position = 0;

    bool operator==(const TabStop&) const = default;
};

using TabStops = std::vector<TabStop>;

xt::TabEntry tabEntry(const TabStop& stop);
TabStop tabStop(const xt::TabEntry& entry);

/// Reads a block of 16-byte entries; empty when the size is not a whole number of entries.
std::optional<TabStops> readTabEntries(const char* bytes, int32_t size);

} // namespace host::model
