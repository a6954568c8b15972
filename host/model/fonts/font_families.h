// The font families the host offers, by id (what a character run stores) and by name (what a user and
// the plug-ins ask for); each is set with one of the composer's fixed metric sets.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace host::model {

/// The composer's metric sets: proportional serif and sans widths, and a monospaced set.
enum class MetricSet : uint8_t { Serif, Sans, Mono };

struct FontFamily {
    int16_t id;
    const char* name;
    MetricSet metrics;
};

/// Every family in id order. Ids 1, 2 and 3 are the host's first three fonts, which documents already
/// name by number.
std::span<const FontFamily> fontFamilies();
const FontFamily* findFontFamily(int16_t id);
/// Names are compared without regard to case, as Windows compares font names.
const FontFamily* findFontFamily(std::string_view name);

} // namespace host::model
