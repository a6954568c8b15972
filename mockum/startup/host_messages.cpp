// Mockum's language and quit handlers.
#include <algorithm>
#include <array>
#include <cstring>

#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"
#include "mockum/startup/handlers.h"
#include "win32/windows.h"
#include "xtapi/messages.h"

namespace mockum {
namespace {

constexpr std::array<uint16_t, 3> kKeptLanguageCodes = {1, 3, 8};
/// The language's measure text is string 20003 + 10 x the language code.
constexpr UINT kMeasureTextBase = 20003;
constexpr int kMeasureTextRoom = 256;

/// Hands the language's measure text to the host; a text the module does not hold is not handed on.
void handOverMeasureText(uint16_t code)
{
    char text[kMeasureTextRoom] = {};
    if (LoadStringA(foundation::moduleInstance(), kMeasureTextBase + 10u * code, text, kMeasureTextRoom) <= 0)
        return;
    const size_t length = strnlen(text, kMeasureTextRoom - 1);
    if (length == 0)
        return;
    char* block = xt::calls::NewPointer(static_cast<int32_t>(length + 1));
    if (!block)
        return;
    std::memcpy(block, text, length + 1);
    xt::calls::MeasureOp839(block, text);
    xt::calls::DisposePointer(block);
}

} // namespace

int32_t OnLanguage(void* block)
{
    const uint16_t code = static_cast<const xt::LanguageBlock*>(block)->languageCode;
    const bool kept = std::find(kKeptLanguageCodes.begin(), kKeptLanguageCodes.end(), code) != kKeptLanguageCodes.end();
    foundation::setLanguageCode(kept ? code : 0);
    handOverMeasureText(foundation::languageCode());
    return 0;
}

int32_t OnQuit(void*)
{
    return 0;
}

} // namespace mockum
