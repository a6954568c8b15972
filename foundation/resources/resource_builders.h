// Building a plug-in's resource table at compile time: string resources and window templates whose items
// stand in a plain column, since only the host's item table reads their rectangles.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/dialogs.h"
#include "xtapi/records.h"

namespace foundation::resources {

/// A string resource holding `value` with its terminating zero.
template <size_t N>
constexpr xt::Resource text(int32_t id, const char (&value)[N])
{
    return {xt::kResourceString, id, value, static_cast<uint32_t>(N)};
}

/// One item, placed by its id in a column of 24 rows.
template <size_t N = 1>
constexpr xt::DialogItemTemplate item(int16_t id, xt::DialogItemKind kind, const char (&label)[N] = "", int32_t value = 0)
{
    static_assert(N <= xt::kDialogItemTextSize);
    const auto top = static_cast<int16_t>(4 + 12 * (id % 24));
    xt::DialogItemTemplate made{id, kind, 0, 4, top, 120, static_cast<int16_t>(top + 10), value, {}};
    for (size_t i = 0; i < N; ++i)
        made.text[i] = label[i];
    return made;
}

template <size_t N>
constexpr xt::DialogTemplateHeader head(int16_t width, int16_t height, const char (&title)[N], const char* windowClass = "")
{
    static_assert(N <= xt::kDialogTitleSize);
    xt::DialogTemplateHeader made{width, height, 0, 0, {}, {}};
    for (size_t i = 0; i < N; ++i)
        made.title[i] = title[i];
    for (size_t i = 0; windowClass[i] != 0 && i + 1 < xt::kDialogClassSize; ++i)
        made.windowClass[i] = windowClass[i];
    return made;
}

template <size_t N>
constexpr xt::DialogResource<N> window(xt::DialogTemplateHeader header, const xt::DialogItemTemplate (&items)[N])
{
    xt::DialogResource<N> made{header, {}};
    made.header.itemCount = static_cast<int16_t>(N);
    for (size_t i = 0; i < N; ++i)
        made.items[i] = items[i];
    return made;
}

} // namespace foundation::resources
