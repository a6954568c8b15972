// Mockum's constants and handler tables: what the skeleton needs to know about this plug-in.
#pragma once

#include <array>

#include "foundation/plugin/plugin_description.h"
#include "mockum/resources/mockum_id.h"
#include "mockum/startup/handlers.h"
#include "mockum/startup/startup.h"
#include "xtapi/messages.h"

namespace mockum {

constexpr std::array<foundation::MessageEntry, 5> kMessages = {{
    {xt::MenuCommandMessage, &OnMenuCommand},
    {xt::MenuUpdateMessage, &OnMenuUpdate},
    {xt::MenuSetupMessage, &OnBuildMenus},
    {xt::LanguageMessage, &OnLanguage},
    {xt::QuitMessage, &OnQuit},
}};

constexpr std::array<foundation::WindowEntry, 1> kWindows = {{
    {kSettingsDialogWindow, &GreekSettingsProc},
}};

constexpr foundation::PluginDescription kMockumDescription{
    .id = kMockumId,
    .windowIdCount = kWindowIdCount,
    .reservation = foundation::Reservation::OneBlock,
    .serviceOrder = foundation::ServiceOrder::PublishFirst,
    .menuService = foundation::MenuService::Shared,
    .componentOrder = foundation::ComponentOrder::FindFirst,
    .components = {},
    .messages = kMessages,
    .windows = kWindows,
    .startUp = &mockumStartUp,
    .libraryEntry = foundation::LibraryEntry::Plain,
};

} // namespace mockum
