// Loading Amplex's strings for the user's language.
#include "amplex/resources/strings.h"

#include <algorithm>
#include <array>

#include "foundation/plugin/skeleton.h"
#include "win32/windows.h"

namespace amplex {
namespace {

/// The language codes for which the string table holds a block of its own.
constexpr std::array<uint16_t, 1> kLanguagesWithStrings = {0};
constexpr int32_t kLanguageIdStep = 10;
constexpr int kStringBufferSize = 256;

std::string loadById(int32_t id)
{
    char buffer[kStringBufferSize] = {};
    const int length = LoadStringA(foundation::moduleInstance(), static_cast<UINT>(id), buffer, kStringBufferSize);
    if (length <= 0)
        return {};
    return std::string(buffer, static_cast<size_t>(std::min(length, kStringBufferSize - 1)));
}

} // namespace

int32_t localisedStringId(int32_t base)
{
    const uint16_t code = foundation::languageCode();
    if (std::find(kLanguagesWithStrings.begin(), kLanguagesWithStrings.end(), code) == kLanguagesWithStrings.end())
        return base;
    return base + kLanguageIdStep * code;
}

std::string loadAmplexString(int32_t base)
{
    const int32_t id = localisedStringId(base);
    std::string text = loadById(id);
    if (text.empty() && id != base)
        text = loadById(base);
    return text;
}

} // namespace amplex
