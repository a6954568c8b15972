// A test module whose id byte (0x71, "BBRq") sorts above Cellora's: two items, window ids reserved
// one at a time, and a component asked for its slot-14 token first.
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

constexpr std::array<const char*, 2> kLabels = {"High Sibling One...", "High Sibling Two..."};

constexpr std::array<foundation::ComponentRequest, 1> kComponents = {{
    {0x00594C51, 1}, // "QLY" and a zero byte: layers
}};

constexpr std::array<foundation::MessageEntry, 5> kMessages = {{
    {xt::QuitMessage, &menu_module::OnQuit},
    {xt::LanguageMessage, &foundation::OnLanguage},
    {xt::MenuSetupMessage, &menu_module::OnBuildMenus},
    {xt::MenuUpdateMessage, &menu_module::OnMenuUpdate},
    {xt::MenuCommandMessage, &menu_module::OnMenuCommand},
}};

constexpr std::array<foundation::WindowEntry, 2> kWindows = {{
    {0, &ignoreWindowEvent},
    {1, &ignoreWindowEvent},
}};

constexpr foundation::PluginDescription kHighSibling{
    .id = xt::fourCC("BBRq"),
    .windowIdCount = 2,
    .reservation = foundation::Reservation::OneIdAtATime,
    .serviceOrder = foundation::ServiceOrder::PublishFirst,
    .menuService = foundation::MenuService::Shared,
    .componentOrder = foundation::ComponentOrder::Slot14First,
    .components = kComponents,
    .messages = kMessages,
    .windows = kWindows,
};

constexpr char kVersion[] = "1.0";

constexpr std::array<xt::Resource, 1> kResources = {{
    {xt::kResourceVersion, 1, kVersion, sizeof kVersion - 1},
}};

} // namespace

const std::span<const char* const> menu_module::kItemLabels = kLabels;

XT_DEFINE_PLUGIN(kHighSibling, kResources);
