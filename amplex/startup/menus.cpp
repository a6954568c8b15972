// Building and updating Amplex's menu items.
#include "amplex/startup/menus.h"

#include "amplex/resources/strings.h"
#include "amplex/settings/palette_state.h"
#include "amplex/startup/mouse_hook.h"
#include "foundation/binding/binding.h"
#include "foundation/menu/vendor_menu.h"
#include "xtapi/messages.h"

namespace amplex {
namespace {

AmplexMenus g_menus;

void setItemText(int32_t menu, uint16_t item, const std::string& label)
{
    xt::TextObject text = xt::calls::NewTextObject(label.c_str(), 0, static_cast<int32_t>(label.size()));
    xt::calls::SetMenuItemText(menu, item, text);
    xt::calls::DisposeTextObject(text);
}

} // namespace

std::string paletteItemLabel()
{
    return loadAmplexString(paletteState().shown() ? StringHidePalette : StringShowPalette);
}

void AmplexMenus::build(int32_t hostMenuValue)
{
    const foundation::VendorMenuJoin join = foundation::CreateOrJoinVendorMenu();
    if (join == foundation::VendorMenuJoin::AlreadyBuilt || m_built)
        return;
    if (join != foundation::VendorMenuJoin::Failed)
        foundation::AppendLabelledMenuItem(foundation::vendorMenuId(), kAmplexItemLabel, &m_amplexItem);
    m_paletteMenu = xt::calls::XmoOp2657(hostMenuValue);
    foundation::AppendLabelledMenuItem(m_paletteMenu, paletteItemLabel().c_str(), &m_paletteItem);
    m_built = true;
}

void AmplexMenus::update()
{
    if (!m_built)
        return;
    if (m_paletteItem != 0) {
        setItemText(m_paletteMenu, m_paletteItem, paletteItemLabel());
        xt::calls::EnableMenuItem(m_paletteMenu, m_paletteItem);
    }
    if (m_amplexItem == 0)
        return;
    int16_t document = -1;
    xt::calls::GetCurrentDocument(&document);
    if (document >= 0)
        xt::calls::EnableMenuItem(foundation::vendorMenuId(), m_amplexItem);
    else
        xt::calls::DisableMenuItem(foundation::vendorMenuId(), m_amplexItem);
}

AmplexMenus& amplexMenus()
{
    return g_menus;
}

int32_t OnBuildMenus(void* block)
{
    const auto* setup = static_cast<const xt::MenuSetupBlock*>(block);
    amplexMenus().build(setup->value);
    installSelectionHook();
    return 0;
}

int32_t OnMenuUpdate(void* block)
{
    static_cast<xt::MenuUpdateBlock*>(block)->answer = 1;
    amplexMenus().update();
    return 0;
}

} // namespace amplex
