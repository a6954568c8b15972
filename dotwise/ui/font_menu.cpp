// Enumerating the font families the host offers, for the settings dialog's bullet font popup.
#include "dotwise/ui/font_menu.h"

#include <algorithm>
#include <cstring>

#include "win32/windows.h"

namespace dotwise::ui {
namespace {

std::vector<std::string> g_names;

int AddFontFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType, LPARAM data)
{
    if (!font || (fontType & RASTER_FONTTYPE) != 0)
        return 1;
    auto* names = reinterpret_cast<std::vector<std::string>*>(data);
    names->emplace_back(font->lfFaceName, strnlen(font->lfFaceName, LF_FACESIZE));
    return 1;
}

} // namespace

const std::vector<std::string>& BuildFontNames()
{
    g_names.clear();
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesA(screen, nullptr, &AddFontFamily, reinterpret_cast<LPARAM>(&g_names));
    if (screen)
        ReleaseDC(nullptr, screen);
    std::sort(g_names.begin(), g_names.end(), [](const std::string& a, const std::string& b) { return std::strcmp(a.c_str(), b.c_str()) < 0; });
    return g_names;
}

const std::vector<std::string>& fontNames()
{
    return g_names;
}

void freeFontNames()
{
    g_names.clear();
    g_names.shrink_to_fit();
}

} // namespace dotwise::ui
