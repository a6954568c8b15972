// Building, updating and answering Dotwise's menu items.
#include "dotwise/startup/menus.h"

#include <string>

#include "dotwise/resources/strings.h"
#include "dotwise/resources/window_ids.h"
#include "dotwise/settings/palette_prefs.h"
#include "dotwise/startup/handlers.h"
#include "foundation/binding/binding.h"
#include "foundation/menu/vendor_menu.h"
#include "foundation/plugin/skeleton.h"
#include "xtapi/messages.h"

namespace dotwise {
namespace {

std::string showHideLabel()
{
    return loadDotwiseString(paletteState().shown() ? StringHidePalette : StringShowPalette);
}

/// The Show/Hide item names what choosing it does next.
void updateShowHideItem()
{
    const DotwiseMenus& menus = dotwiseMenus();
    if (menus.showHideItem == 0)
        return;
    const std::string label = showHideLabel();
    xt::TextObject text = xt::calls::NewTextObject(label.c_str(), 0, static_cast<int32_t>(label.size()));
    xt::calls::SetMenuItemText(menus.hostMenu, menus.showHideItem, text);
    xt::calls::DisposeTextObject(text);
    xt::calls::EnableMenuItem(menus.hostMenu, menus.showHideItem);
}

} // namespace

DotwiseMenus& dotwiseMenus()
{
    static DotwiseMenus menus;
    return menus;
}

void togglePalette()
{
    PaletteState& palette = paletteState();
    if (palette.window() == 0) {
        xt::calls::OpenPalette(foundation::windowId(PaletteWindow), nullptr, palette.windowSlot());
    } else if (xt::calls::BeginWindowDrawing(palette.window()) == 0) {
        xt::calls::DrawWindowPart1506(0, 0, 0);
        xt::calls::EndWindowDrawing();
    }
    updateShowHideItem();
}

void openSettingsDialog()
{
    xt::calls::OpenDialog(foundation::windowId(SettingsDialogWindow), 0, nullptr);
}

int32_t OnBuildMenus(void* block)
{
    DotwiseMenus& menus = dotwiseMenus();
    if (menus.built)
        return 0;
    menus.built = true;
    menus.hostMenu = xt::calls::XmoOp2657(static_cast<const xt::MenuSetupBlock*>(block)->value);
    foundation::AppendLabelledMenuItem(menus.hostMenu, showHideLabel().c_str(), &menus.showHideItem);
    const foundation::VendorMenuJoin join = foundation::CreateOrJoinVendorMenu();
    if (join == foundation::VendorMenuJoin::Created || join == foundation::VendorMenuJoin::Joined)
        foundation::AppendLabelledMenuItem(foundation::vendorMenuId(), kSettingsItemLabel, &menus.settingsItem);
    return 0;
}

int32_t OnMenuUpdate(void* block)
{
    static_cast<xt::MenuUpdateBlock*>(block)->answer = 1;
    updateShowHideItem();
    return 0;
}

int32_t OnMenuCommand(void* block)
{
    const uint16_t item = static_cast<const xt::MenuCommandBlock*>(block)->itemId;
    const DotwiseMenus& menus = dotwiseMenus();
    if (item == 0)
        return 0;
    if (item == menus.showHideItem)
        togglePalette();
    else if (item == menus.settingsItem)
        openSettingsDialog();
    return 0;
}

} // namespace dotwise
