// The Cellora-shaped test module: "BBR3", six window ids, the five handlers of the example, one item.
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

constexpr std::array<const char*, 1> kLabels = {"Cellora..."};

constexpr std::array<foundation::ComponentRequest, 1> kComponents = {{
    {xt::fourCC("XPTA"), 1},
}};

constexpr std::array<foundation::MessageEntry, 5> kMessages = {{
    {xt::QuitMessage, &menu_module::OnQuit},
    {xt::MenuSetupMessage, &menu_module::OnBuildMenus},
    {xt::MenuUpdateMessage, &menu_module::OnMenuUpdate},
    {xt::MenuCommandMessage, &menu_module::OnMenuCommand},
    {xt::LanguageMessage, &foundation::OnLanguage},
}};

// Base + 5 is the progress box.
constexpr std::array<foundation::WindowEntry, 6> kWindows = {{
    {0, &ignoreWindowEvent},
    {1, &ignoreWindowEvent},
    {2, &ignoreWindowEvent},
    {3, &ignoreWindowEvent},
    {4, &ignoreWindowEvent},
    {5, &ignoreWindowEvent},
}};

constexpr foundation::PluginDescription kCellora{
    .id = xt::fourCC("BBR3"),
    .windowIdCount = 6,
    .reservation = foundation::Reservation::OneBlock,
    .serviceOrder = foundation::ServiceOrder::ReserveFirst,
    .menuService = foundation::MenuService::Shared,
    .componentOrder = foundation::ComponentOrder::FindFirst,
    .components = kComponents,
    .messages = kMessages,
    .windows = kWindows,
    .libraryEntry = foundation::LibraryEntry::WithBitmap,
};

constexpr char kVersion[] = "8.0.3   ";
constexpr unsigned char kBanner[] = {'B', 'M', 0, 0};

constexpr std::array<xt::Resource, 2> kResources = {{
    {xt::kResourceVersion, 1, kVersion, sizeof kVersion - 1},
    {xt::kResourceBitmap, 102, kBanner, sizeof kBanner},
}};

} // namespace

const std::span<const char* const> menu_module::kItemLabels = kLabels;

XT_DEFINE_PLUGIN(kCellora, kResources);
