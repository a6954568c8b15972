// Building and updating Mockum's menu items.
#include "mockum/startup/menus.h"

#include "foundation/binding/binding.h"
#include "foundation/menu/vendor_menu.h"
#include "mockum/engine/common/box_text.h"
#include "mockum/startup/handlers.h"
#include "xtapi/messages.h"

namespace mockum {
namespace {

MockumMenus g_menus;

void setItemText(uint16_t item, const char* label)
{
    xt::TextObject text = xt::calls::NewTextObject(label, 0, static_cast<int32_t>(std::char_traits<char>::length(label)));
    if (!text)
        return;
    xt::calls::SetMenuItemText(foundation::vendorMenuId(), item, text);
    xt::calls::DisposeTextObject(text);
}

void enable(uint16_t item, bool on)
{
    if (on)
        xt::calls::EnableMenuItem(foundation::vendorMenuId(), item);
    else
        xt::calls::DisableMenuItem(foundation::vendorMenuId(), item);
}

} // namespace

MockumMenus& mockumMenus()
{
    return g_menus;
}

int32_t OnBuildMenus(void*)
{
    const foundation::VendorMenuJoin join = foundation::CreateOrJoinVendorMenu();
    if (join == foundation::VendorMenuJoin::AlreadyBuilt || join == foundation::VendorMenuJoin::Failed || g_menus.built)
        return 0;
    foundation::AppendLabelledMenuItem(foundation::vendorMenuId(), kGreekLabel, &g_menus.greekItem);
    foundation::AppendLabelledMenuItem(foundation::vendorMenuId(), kSettingsLabel, &g_menus.settingsItem);
    g_menus.built = true;
    return 0;
}

int32_t OnMenuUpdate(void* block)
{
    static_cast<xt::MenuUpdateBlock*>(block)->answer = 1;
    if (!g_menus.built)
        return 0;
    int16_t document = -1;
    xt::calls::GetCurrentDocument(&document);
    int32_t box = 0;
    if (document >= 0)
        xt::calls::GetCurrentBox(&box);
    if (g_menus.settingsItem != 0)
        enable(g_menus.settingsItem, document >= 0);
    if (g_menus.greekItem == 0)
        return 0;
    if (document < 0 || box == 0) {
        enable(g_menus.greekItem, false);
        return 0;
    }
    setItemText(g_menus.greekItem, IsEmptyTextBox(box) ? kFillLabel : kGreekLabel);
    enable(g_menus.greekItem, true);
    return 0;
}

} // namespace mockum
