// Enumerating the font families the host offers into a Windows menu, for the settings dialog's bullet
// font popup.
#include "dotwise/ui/font_menu.h"

#include <algorithm>
#include <cstring>

#include "foundation/binding/binding.h"

namespace dotwise::ui {
namespace {

constexpr int kNameCopySize = 255;

std::vector<FontName> g_names;

/// One entry of the temporary menu per family; raster fonts cannot be scaled for a bullet.
int AddFontFamilyToMenu(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType, LPARAM data)
{
    if (!font || (fontType & RASTER_FONTTYPE) != 0)
        return 1;
    char name[LF_FACESIZE + 1] = {};
    std::memcpy(name, font->lfFaceName, strnlen(font->lfFaceName, LF_FACESIZE));
    AppendMenuA(reinterpret_cast<HMENU>(data), MF_STRING, 0, name);
    return 1;
}

void enumerateFamilies(HMENU into)
{
    void* window = nullptr;
    xt::calls::GetHostWindowHandle(&window);
    HDC dc = GetDC(static_cast<HWND>(window));
    EnumFontFamiliesA(dc, nullptr, &AddFontFamilyToMenu, reinterpret_cast<LPARAM>(into));
    if (dc)
        ReleaseDC(static_cast<HWND>(window), dc);
}

} // namespace

void BuildFontMenu(HMENU menu)
{
    HMENU families = CreateMenu();
    if (!families)
        return;
    enumerateFamilies(families);
    const int count = std::max(GetMenuItemCount(families), 0);
    g_names.assign(static_cast<size_t>(count), FontName{});
    for (int i = 0; i < count; ++i)
        GetMenuStringA(families, static_cast<UINT>(i), g_names[static_cast<size_t>(i)].data(), kNameCopySize, MF_BYPOSITION);
    DestroyMenu(families);
    std::sort(g_names.begin(), g_names.end(), [](const FontName& a, const FontName& b) { return lstrcmpA(a.data(), b.data()) < 0; });
    for (const FontName& name : g_names)
        AppendMenuA(menu, MF_STRING, 0, name.data());
}

const std::vector<FontName>& fontNames()
{
    return g_names;
}

void freeFontNames()
{
    g_names.clear();
    g_names.shrink_to_fit();
}

} // namespace dotwise::ui
