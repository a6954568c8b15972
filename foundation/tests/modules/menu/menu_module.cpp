// The menu test modules' handlers over the foundation's shared menu.
#include "foundation/tests/modules/menu/menu_module.h"

#include <array>
#include <string>

#include "foundation/binding/binding.h"
#include "foundation/menu/vendor_menu.h"
#include "foundation/plugin/skeleton.h"
#include "foundation/text/text_helpers.h"
#include "xtapi/messages.h"

namespace menu_module {

namespace {

constexpr size_t kMaxItems = 4;
std::array<uint16_t, kMaxItems> g_itemIds{};

size_t itemCount()
{
    return kItemLabels.size() < kMaxItems ? kItemLabels.size() : kMaxItems;
}

} // namespace

int32_t OnQuit(void*)
{
    for (size_t i = 0; i < itemCount(); ++i)
        xt::calls::DisableMenuItem(foundation::vendorMenuId(), g_itemIds[i]);
    return 0;
}

int32_t OnBuildMenus(void*)
{
    const foundation::VendorMenuJoin join = foundation::CreateOrJoinVendorMenu();
    if (join != foundation::VendorMenuJoin::Created && join != foundation::VendorMenuJoin::Joined)
        return 0;
    for (size_t i = 0; i < itemCount(); ++i)
        foundation::AppendLabelledMenuItem(foundation::vendorMenuId(), kItemLabels[i], &g_itemIds[i]);
    return 0;
}

int32_t OnMenuUpdate(void*)
{
    for (size_t i = 0; i < itemCount(); ++i)
        xt::calls::EnableMenuItem(foundation::vendorMenuId(), g_itemIds[i]);
    return 0;
}

int32_t OnMenuCommand(void* block)
{
    const auto* command = static_cast<const xt::MenuCommandBlock*>(block);
    for (size_t i = 0; i < itemCount(); ++i) {
        if (g_itemIds[i] == 0 || command->itemId != g_itemIds[i])
            continue;
        const std::string message = std::string(kItemLabels[i]) + " chosen, language " + std::to_string(foundation::languageCode());
        foundation::WarningBox(message.c_str());
    }
    return 0;
}

} // namespace menu_module
