// Dotwise's constants and handler tables: what the skeleton needs to know about this plug-in.
#pragma once

#include <array>

#include "dotwise/resources/dotwise_id.h"
#include "dotwise/resources/window_ids.h"
#include "dotwise/startup/handlers.h"
#include "dotwise/startup/startup.h"
#include "foundation/plugin/plugin_description.h"
#include "xtapi/messages.h"

namespace dotwise {

// The tables are constants of each module that includes them (no inline variables), as in Amplex.

constexpr std::array<foundation::MessageEntry, 6> kMessages = {{
    {xt::MenuCommandMessage, &OnMenuCommand},
    {xt::MenuUpdateMessage, &OnMenuUpdate},
    {xt::MenuSetupMessage, &OnBuildMenus},
    {xt::ReopenPalettesMessage, &OnReopenPalette},
    {xt::LanguageMessage, &OnLanguageDotwise},
    {xt::QuitMessage, &OnQuit},
}};

constexpr std::array<foundation::WindowEntry, 2> kWindows = {{
    {PaletteWindow, &PaletteCallback},
    {SettingsDialogWindow, &SettingsDialogCallback},
}};

constexpr foundation::PluginDescription kDotwiseDescription{
    .id = kDotwiseId,
    .windowIdCount = kWindowIdCount,
    .reservation = foundation::Reservation::OneBlock,
    .serviceOrder = foundation::ServiceOrder::ReserveFirst,
    .menuService = foundation::MenuService::Shared,
    .componentOrder = foundation::ComponentOrder::FindFirst,
    .components = {},
    .messages = kMessages,
    .windows = kWindows,
    .startUp = &dotwiseStartUp,
    .libraryEntry = foundation::LibraryEntry::Plain,
};

} // namespace dotwise
