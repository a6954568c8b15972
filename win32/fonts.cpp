// The font families of the screen: the host's own, as EnumFontFamiliesA reports them.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "win32/standin.h"

namespace win32 {
namespace {

std::vector<std::string>& families()
{
    static std::vector<std::string> names;
    return names;
}

bool sameName(const std::string& a, const char* b)
{
    const size_t length = std::strlen(b);
    return a.size() == length && std::equal(a.begin(), a.end(), b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

void setFontFamilies(std::vector<std::string> names)
{
    families() = std::move(names);
}

} // namespace win32

extern "C" int EnumFontFamiliesA(HDC, LPCSTR family, FONTENUMPROCA procedure, LPARAM data)
{
    if (!procedure)
        return 0;
    int answer = 1;
    // A copy, so that a callback that changes the list does not pull it from under the loop.
    const std::vector<std::string> names = win32::families();
    for (const std::string& name : names) {
        if (family && !win32::sameName(name, family))
            continue;
        LOGFONTA font{};
        font.lfCharSet = ANSI_CHARSET;
        font.lfPitchAndFamily = DEFAULT_PITCH;
        std::strncpy(font.lfFaceName, name.c_str(), LF_FACESIZE - 1);
        const TEXTMETRICA metrics{};
        answer = procedure(&font, &metrics, TRUETYPE_FONTTYPE, data);
        if (answer == 0)
            break;
    }
    return answer;
}
