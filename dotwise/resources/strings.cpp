// Loading Dotwise's strings from its own string table.
#include "dotwise/resources/strings.h"

#include <algorithm>

#include "foundation/plugin/skeleton.h"
#include "win32/windows.h"

namespace dotwise {
namespace {

constexpr int32_t kLanguageIdStep = 100;
constexpr int kStringBufferSize = 256;

} // namespace

std::string loadDotwiseString(int32_t base)
{
    const int32_t id = base + kLanguageIdStep * foundation::languageCode();
    char buffer[kStringBufferSize] = {};
    const int length = LoadStringA(foundation::moduleInstance(), static_cast<UINT>(id), buffer, kStringBufferSize);
    if (length <= 0)
        return {};
    return std::string(buffer, static_cast<size_t>(std::min(length, kStringBufferSize - 1)));
}

} // namespace dotwise
