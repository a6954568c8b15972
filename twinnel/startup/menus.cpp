// Building, updating and retiring "Twinnel...".
#include "twinnel/startup/menus.h"

#include "foundation/binding/binding.h"
#include "foundation/menu/vendor_menu.h"
#include "twinnel/startup/handlers.h"
#include "xtapi/messages.h"

namespace twinnel {
namespace {

uint16_t g_cloneItem = 0;

} // namespace

uint16_t cloneItemId()
{
    return g_cloneItem;
}

int32_t OnBuildMenus(void*)
{
    const foundation::VendorMenuJoin join = foundation::CreateOrJoinVendorMenu();
    if (join == foundation::VendorMenuJoin::AlreadyBuilt || join == foundation::VendorMenuJoin::Failed || g_cloneItem != 0)
        return 0;
    foundation::AppendLabelledMenuItem(foundation::vendorMenuId(), kCloneLabel, &g_cloneItem);
    return 0;
}

/// Enabled whenever a document is open: the dialog offers Pages without a selection.
int32_t OnMenuUpdate(void* block)
{
    static_cast<xt::MenuUpdateBlock*>(block)->answer = 1;
    if (g_cloneItem == 0)
        return 0;
    int16_t document = -1;
    xt::calls::GetCurrentDocument(&document);
    if (document >= 0)
        xt::calls::EnableMenuItem(foundation::vendorMenuId(), g_cloneItem);
    else
        xt::calls::DisableMenuItem(foundation::vendorMenuId(), g_cloneItem);
    return 0;
}

int32_t OnQuit(void*)
{
    if (g_cloneItem != 0)
        xt::calls::DisableMenuItem(foundation::vendorMenuId(), g_cloneItem);
    return 0;
}

} // namespace twinnel
