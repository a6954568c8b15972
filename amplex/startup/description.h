// Amplex's constants and handler tables: what the skeleton needs to know about this plug-in.
#pragma once

#include <array>

#include "amplex/resources/amplex_id.h"
#include "amplex/resources/window_ids.h"
#include "amplex/startup/handlers.h"
#include "amplex/startup/host_messages.h"
#include "amplex/startup/menus.h"
#include "amplex/startup/startup.h"
#include "foundation/plugin/plugin_description.h"
#include "xtapi/messages.h"

namespace amplex {

// The tables are constants of each module that includes them (no inline variables): an inline
// variable is one object for the whole process, which a test binary linking the same code would own.

constexpr std::array<foundation::ComponentRequest, 3> kComponents = {{
    {xt::fourCC("XPTA"), 1},  // tables
    {0x506B5251, 5},          // "QRkP", the companion service, at five consecutive references
    {xt::fourCC("QFAU"), 1},  // drop shadows
}};

// The host's order puts the window callbacks between the message handlers; the skeleton
// registers every message handler first, which no message can tell apart.
constexpr std::array<foundation::MessageEntry, 10> kMessages = {{
    {xt::MenuCommandMessage, &OnMenuCommand},
    {xt::MenuUpdateMessage, &OnMenuUpdate},
    {xt::MenuSetupMessage, &OnBuildMenus},
    {xt::LanguageMessage, &OnLanguage},
    {xt::QuitMessage, &OnQuit},
    {xt::UndoMessage, &OnUndoScale},
    {xt::RedoMessage, &OnRedoScale},
    {xt::ContextMenuMessage, &OnContextMenu},
    {xt::ReopenPalettesMessage, &OnReopenPalette},
    {xt::IdleMessage, &OnIdle},
}};

constexpr std::array<foundation::WindowEntry, 6> kWindows = {{
    {ScaleDialogWindow, &ScaleDialogProc},
    {ScalePageWindow, &ScalePageProc},
    {OptionsPageWindow, &OptionsPageProc},
    {PresetsPageWindow, &PresetsPageProc},
    {TextFitPageWindow, &TextFitPageProc},
    {PaletteWindow, &PaletteProc},
}};

constexpr foundation::PluginDescription kAmplexDescription{
    .id = kAmplexId,
    .windowIdCount = kWindowIdCount,
    .reservation = foundation::Reservation::OneBlock,
    .serviceOrder = foundation::ServiceOrder::PublishFirst,
    .menuService = foundation::MenuService::Shared,
    .componentOrder = foundation::ComponentOrder::FindFirst,
    .components = kComponents,
    .messages = kMessages,
    .windows = kWindows,
    .startUp = &amplexStartUp,
    .libraryEntry = foundation::LibraryEntry::Plain,
};

} // namespace amplex
