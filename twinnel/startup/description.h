// Twinnel's constants and handler tables: what the skeleton needs to know about this plug-in.
#pragma once

#include <array>

#include "foundation/plugin/plugin_description.h"
#include "foundation/plugin/skeleton.h"
#include "twinnel/resources/twinnel_id.h"
#include "twinnel/startup/handlers.h"
#include "twinnel/startup/startup.h"
#include "xtapi/messages.h"

namespace twinnel {

// The tables are constants of each module that includes them (no inline variables).

/// "QLY" and a zero byte: its layers (reference 0) and its page copy (reference 1).
constexpr std::array<foundation::ComponentRequest, 1> kComponents = {{
    {0x00594C51, 2},
}};

constexpr std::array<foundation::MessageEntry, 7> kMessages = {{
    {xt::QuitMessage, &OnQuit},
    {xt::MenuSetupMessage, &OnBuildMenus},
    {xt::MenuUpdateMessage, &OnMenuUpdate},
    {xt::MenuCommandMessage, &CloneCommand},
    {xt::LanguageMessage, &foundation::OnLanguage},
    {xt::UndoMessage, &OnUndoClone},
    {xt::RedoMessage, &OnRedoClone},
}};

constexpr std::array<foundation::WindowEntry, 2> kWindows = {{
    {kCloneDialogWindow, &CloneDialogCallback},
    {kInsertPagesWindow, &InsertPagesCallback},
}};

constexpr foundation::PluginDescription kTwinnelDescription{
    .id = kTwinnelId,
    .windowIdCount = kWindowIdCount,
    .reservation = foundation::Reservation::OneBlock,
    .serviceOrder = foundation::ServiceOrder::ReserveFirst,
    .menuService = foundation::MenuService::Shared,
    .componentOrder = foundation::ComponentOrder::Slot14First,
    .components = kComponents,
    .messages = kMessages,
    .windows = kWindows,
    .startUp = &twinnelStartUp,
    .libraryEntry = foundation::LibraryEntry::Plain,
};

} // namespace twinnel
