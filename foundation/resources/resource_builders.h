// Building a plug-in's resource table at compile time: string, dialog, menu and bitmap entries, and window
// templates whose items stand in a plain column, since only the host's item table reads their rectangles.
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

/// Every bitmap is a stand-in image: the host only needs to find one under the id.
inline constexpr char kBitmapStandIn[] = "BM";

/// A dialog resource holding a window template (see `window`).
template <class Template>
constexpr xt::Resource dialogEntry(int32_t id, const Template& made)
{
    return {xt::kResourceDialog, id, &made, static_cast<uint32_t>(sizeof made)};
}

/// A menu resource: its entries, each ended by a zero.
template <size_t N>
constexpr xt::Resource menuEntry(int32_t id, const char (&entries)[N])
{
    return {xt::kResourceMenu, id, entries, static_cast<uint32_t>(N)};
}

constexpr xt::Resource bitmapEntry(int32_t id)
{
    return {xt::kResourceBitmap, id, kBitmapStandIn, static_cast<uint32_t>(sizeof kBitmapStandIn)};
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
