// Building and updating "Threadix...".
#include "threadix/startup/menus.h"

#include "foundation/binding/binding.h"
#include "foundation/menu/vendor_menu.h"
#include "threadix/startup/handlers.h"
#include "xtapi/messages.h"

namespace threadix {
namespace {

uint16_t g_item = 0;

void enableItem(bool on)
{
    if (g_item == 0)
        return;
    if (on)
        xt::calls::EnableMenuItem(foundation::vendorMenuId(), g_item);
    else
        xt::calls::DisableMenuItem(foundation::vendorMenuId(), g_item);
}

} // namespace

uint16_t threadixItem()
{
    return g_item;
}

int32_t OnBuildMenus(void*)
{
    const foundation::VendorMenuJoin join = foundation::CreateOrJoinVendorMenu();
    if (join == foundation::VendorMenuJoin::AlreadyBuilt || join == foundation::VendorMenuJoin::Failed || g_item != 0)
        return 0;
    foundation::AppendLabelledMenuItem(foundation::vendorMenuId(), kThreadixLabel, &g_item);
    return 0;
}

int32_t OnMenuUpdate(void* block)
{
    static_cast<xt::MenuUpdateBlock*>(block)->answer = 1;
    int16_t document = -1;
    xt::calls::GetCurrentDocument(&document);
    enableItem(document >= 0);
    return 0;
}

int32_t OnQuit(void*)
{
    enableItem(false);
    return 0;
}

int32_t OnIdleThreadix(void*)
{
    return 0;
}

} // namespace threadix
