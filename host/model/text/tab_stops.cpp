// Tab stops to and from the 16-byte records that every plug-in reads.
#include "host/model/text/tab_stops.h"

#include <cstring>

namespace host::model {

xt::TabEntry tabEntry(const TabStop& stop)
{
    xt::TabEntry entry;
    std::memset(&entry, 0, sizeof entry);
    entry.alignment = stop.alignment;
    entry.alignCharacter = stop.alignCharacter;
    entry.fill[0] = stop.fill[0];
    entry.fill[1] = stop.fill[1];
    entry.position = stop.position;
    return entry;
}

TabStop tabStop(const xt::TabEntry& entry)
{
    TabStop stop;
    stop.alignment = entry.alignment;
    stop.alignCharacter = entry.alignCharacter;
    stop.fill[0] = entry.fill[0];
    stop.fill[1] = entry.fill[1];
    stop.position = entry.position;
    return stop;
}

std::optional<TabStops> readTabEntries(const char* bytes, int32_t size)
{
    if (size < 0 || size % static_cast<int32_t>(sizeof(xt::TabEntry)) != 0 || (size > 0 && !bytes))
        return std::nullopt;
    TabStops stops;
    for (int32_t at = 0; at < size; at += static_cast<int32_t>(sizeof(xt::TabEntry))) {
        xt::TabEntry entry;
        std::memcpy(&entry, bytes + at, sizeof entry);
        stops.push_back(tabStop(entry));
    }
    return stops;
}

} // namespace host::model
