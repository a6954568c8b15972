// The lstr string calls, with byte comparison and ASCII case folding.
#include <cstring>

#include "win32/windows.h"

namespace {

int sign(int difference)
{
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

unsigned char foldAscii(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

template <class Fold>
int compare(LPCSTR a, LPCSTR b, Fold fold)
{
    // Windows orders a null string like an empty one.
    const auto* x = reinterpret_cast<const unsigned char*>(a ? a : "");
    const auto* y = reinterpret_cast<const unsigned char*>(b ? b : "");
    while (*x && fold(*x) == fold(*y)) {
        ++x;
        ++y;
    }
    return sign(static_cast<int>(fold(*x)) - static_cast<int>(fold(*y)));
}

} // namespace

extern "C" int lstrcmpA(LPCSTR a, LPCSTR b)
{
    return compare(a, b, [](unsigned char c) { return c; });
}

extern "C" int lstrcmpiA(LPCSTR a, LPCSTR b)
{
    return compare(a, b, foldAscii);
}

extern "C" int lstrlenA(LPCSTR text)
{
    return text ? static_cast<int>(std::strlen(text)) : 0;
}

extern "C" LPSTR lstrcpyA(LPSTR target, LPCSTR source)
{
    if (!target || !source)
        return nullptr;
    return std::strcpy(target, source);
}

extern "C" LPSTR lstrcpynA(LPSTR target, LPCSTR source, int size)
{
    if (!target || !source)
        return nullptr;
    if (size <= 0)
        return target;
    const size_t length = strnlen(source, static_cast<size_t>(size - 1));
    std::memcpy(target, source, length);
    target[length] = '\0';
    return target;
}

extern "C" LPSTR lstrcatA(LPSTR target, LPCSTR source)
{
    if (!target || !source)
        return nullptr;
    return std::strcat(target, source);
}
