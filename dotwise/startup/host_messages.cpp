// The host's messages about the whole plug-in: reopening palettes, the language, quitting.
#include "dotwise/resources/window_ids.h"
#include "dotwise/settings/palette_prefs.h"
#include "dotwise/startup/handlers.h"
#include "dotwise/startup/menus.h"
#include "dotwise/startup/preference_file.h"
#include "dotwise/ui/font_menu.h"
#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"

namespace dotwise {
namespace {

void openPalette()
{
    xt::calls::OpenPalette(foundation::windowId(PaletteWindow), nullptr, paletteState().windowSlot());
}

} // namespace

int32_t OnReopenPalette(void*)
{
    paletteState().setReopen(true);
    if (paletteState().shown() && paletteState().window() == 0)
        openPalette();
    return 0;
}

/// Dotwise has one set of strings: the code stays 0 whatever the host sends.
int32_t OnLanguageDotwise(void*)
{
    foundation::setLanguageCode(0);
    PaletteState& palette = paletteState();
    if (!palette.reopen() || !palette.shown() || palette.window() == 0)
        return 0;
    if (xt::calls::BeginWindowDrawing(palette.window()) != 0)
        return 0;
    xt::calls::DrawWindowPart1506(0, 0, 0);
    xt::calls::EndWindowDrawing();
    // The close cleared the flag only if the host is quitting, so the palette is still "shown".
    palette.setShown(true);
    openPalette();
    return 0;
}

int32_t OnQuit(void*)
{
    writePalettePreferences();
    PaletteState& palette = paletteState();
    xt::Handle block = palette.block();
    palette.setBlock(nullptr);
    if (block)
        xt::calls::DisposeHandle(block);
    const DotwiseMenus& menus = dotwiseMenus();
    if (menus.showHideItem != 0)
        xt::calls::DisableMenuItem(menus.hostMenu, menus.showHideItem);
    ui::freeFontNames();
    return 0;
}

} // namespace dotwise
