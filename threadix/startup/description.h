// Threadix's constants and handler tables: what the skeleton needs to know about this plug-in.
#pragma once

#include <array>

#include "foundation/plugin/plugin_description.h"
#include "foundation/plugin/skeleton.h"
#include "threadix/resources/threadix_id.h"
#include "threadix/startup/handlers.h"
#include "threadix/startup/startup.h"
#include "threadix/ui/link_dialog.h"
#include "threadix/ui/progress_box.h"
#include "xtapi/messages.h"

namespace threadix {

constexpr std::array<foundation::MessageEntry, 6> kMessages = {{
    {xt::QuitMessage, &OnQuit},
    {xt::MenuSetupMessage, &OnBuildMenus},
    {xt::MenuUpdateMessage, &OnMenuUpdate},
    {xt::MenuCommandMessage, &LinkCommand},
    {xt::LanguageMessage, &foundation::OnLanguage},
    {xt::IdleMessage, &OnIdleThreadix},
}};

constexpr std::array<foundation::WindowEntry, 3> kWindows = {{
    {kLinkDialogWindow, &LinkDialogCallback},
    {kHelpDialogWindow, &LinkHelpCallback},
    {kProgressWindow, &ProgressBoxCallback},
}};

constexpr foundation::PluginDescription kThreadixDescription{
    .id = kThreadixId,
    .windowIdCount = kWindowIdCount,
    .reservation = foundation::Reservation::OneBlock,
    .serviceOrder = foundation::ServiceOrder::PublishFirst,
    .menuService = foundation::MenuService::Shared,
    .componentOrder = foundation::ComponentOrder::FindFirst,
    .components = {},
    .messages = kMessages,
    .windows = kWindows,
    .startUp = &threadixStartUp,
    .libraryEntry = foundation::LibraryEntry::Plain,
};

} // namespace threadix
