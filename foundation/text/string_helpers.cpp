// Small string helpers: cutting a buffer and finding a part in a text.
#include <cstring>

#include "foundation/text/text_helpers.h"
#include "win32/windows.h"

namespace foundation {

void TerminateAt(char* buffer, int16_t index)
{
    if (!buffer || index < 0)
        return;
    buffer[index] = '\0';
}

bool ContainsString(const char* text, const char* part)
{
    if (!text || !part)
        return false;
    if (lstrcmpA(text, part) == 0)
        return true;
    const size_t textLength = std::strlen(text);
    const size_t partLength = std::strlen(part);
    if (partLength == 0 || partLength > textLength)
        return false;
    for (size_t i = 0; i + partLength <= textLength; ++i) {
        if (std::memcmp(text + i, part, partLength) == 0)
            return true;
    }
    return false;
}

} // namespace foundation
