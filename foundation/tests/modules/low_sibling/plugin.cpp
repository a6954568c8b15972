// A test module whose id byte (0x25, "BBR%") sorts below Cellora's: one item, service published first,
// and a component acquired at five consecutive references.
#include <array>

#include "foundation/plugin/plugin_description.h"
#include "foundation/plugin/skeleton.h"
#include "foundation/tests/modules/menu/menu_module.h"
#include "xtapi/messages.h"

namespace {

int32_t ignoreWindowEvent(void*)
{
    return 0;
}

constexpr std::array<const char*, 1> kLabels = {"Low Sibling..."};

constexpr std::array<foundation::ComponentRequest, 1> kComponents = {{
    {0x506B5251, 5}, // "QRkP"
}};

constexpr std::array<foundation::MessageEntry, 5> kMessages = {{
    {xt::MenuSetupMessage, &menu_module::OnBuildMenus},
    {xt::MenuUpdateMessage, &menu_module::OnMenuUpdate},
    {xt::MenuCommandMessage, &menu_module::OnMenuCommand},
    {xt::LanguageMessage, &foundation::OnLanguage},
    {xt::QuitMessage, &menu_module::OnQuit},
}};

constexpr std::array<foundation::WindowEntry, 1> kWindows = {{
    {0, &ignoreWindowEvent},
}};

constexpr foundation::PluginDescription kLowSibling{
    .id = xt::fourCC("BBR%"),
    .windowIdCount = 1,
    .reservation = foundation::Reservation::OneBlock,
    .serviceOrder = foundation::ServiceOrder::PublishFirst,
    .menuService = foundation::MenuService::Shared,
    .components = kComponents,
    .messages = kMessages,
    .windows = kWindows,
};

constexpr std::array<xt::Resource, 0> kResources{};

} // namespace

const std::span<const char* const> menu_module::kItemLabels = kLabels;

XT_DEFINE_PLUGIN(kLowSibling, kResources);
