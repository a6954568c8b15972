// Amplex's handlers of LanguageMessage, QuitMessage, ReopenPalettesMessage, ContextMenuMessage and IdleMessage.
#include "amplex/startup/host_messages.h"

#include <algorithm>
#include <array>

#include "amplex/resources/window_ids.h"
#include "amplex/settings/palette_state.h"
#include "amplex/startup/mouse_hook.h"
#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"
#include "win32/windows.h"
#include "xtapi/messages.h"

namespace amplex {
namespace {

constexpr std::array<uint16_t, 3> kKeptLanguageCodes = {1, 3, 8};
constexpr UINT_PTR kContextSeparatorId = 203;

} // namespace

int32_t OnLanguage(void* block)
{
    const uint16_t code = static_cast<const xt::LanguageBlock*>(block)->languageCode;
    const bool kept = std::find(kKeptLanguageCodes.begin(), kKeptLanguageCodes.end(), code) != kKeptLanguageCodes.end();
    foundation::setLanguageCode(kept ? code : 0);
    return 0;
}

int32_t OnQuit(void*)
{
    paletteState().store();
    removeSelectionHook();
    return 0;
}

int32_t OnReopenPalette(void*)
{
    PaletteState& palette = paletteState();
    if (!palette.shown())
        return 0;
    return xt::calls::OpenPalette(foundation::windowId(PaletteWindow), palette.record(), palette.windowSlot());
}

int32_t OnContextMenu(void* block)
{
    int32_t box = 0;
    xt::calls::GetCurrentBox(&box);
    if (box == 0)
        return 0;
    HMENU menu = static_cast<HMENU>(static_cast<const xt::ContextMenuBlock*>(block)->menu);
    AppendMenuA(menu, MF_SEPARATOR, kContextSeparatorId, nullptr);
    return 0;
}

int32_t OnIdle(void*)
{
    return 0;
}

} // namespace amplex
