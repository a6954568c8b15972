// The probe's table of Amplex's scale commands (see commands_probe_api.h).
#include "amplex/commands/command_state.h"
#include "amplex/commands/fit_commands.h"
#include "amplex/commands/scale_command.h"
#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/settings/palette_state.h"
#include "amplex/startup/menus.h"
#include "amplex/tests/probe/commands_probe_api.h"
#include "amplex/undo/undo_list.h"
#include "foundation/plugin/skeleton.h"

extern "C" XT_PLUGIN_EXPORT const amplex::probe::CommandsProbeApi XTAmplexCommandsProbe{
    .currentSettings = [] { return &amplex::currentSettings(); },
    .scaleWithSettings = &amplex::ScaleWithSettings,
    .fitBoxToPictureCommand = &amplex::FitBoxToPictureCommand,
    .textFitCommand = &amplex::TextFitCommand,
    .setFitTo = [](bool on, bool paperSize) { amplex::documentRun().setFitTo(on, paperSize); },
    .setClickModifier = [](int32_t modifier) {
        amplex::commandState().setClickModifier(static_cast<amplex::ClickModifier>(modifier));
    },
    .setDialogPages = [](int32_t first, int32_t last) {
        amplex::commandState().setDialogPages(first << 16, last << 16);
    },
    .undoEntryCount = [] { return static_cast<int32_t>(amplex::undoEntries().size()); },
    .noSelection = [] { return amplex::commandState().noSelection(); },
    .currentIsTextBox = [] { return amplex::commandState().currentIsTextBox(); },
    .selectionBounds = [] { return amplex::engineState().selectionBounds(); },
    .fitOffset = [] { return amplex::undoList().fitOffset(); },
    .scaledExtent = [] { return amplex::commandState().scaledExtent(); },
    .amplexItem = [] { return amplex::amplexMenus().amplexItem(); },
    .paletteItem = [] { return amplex::amplexMenus().paletteItem(); },
    .paletteShown = [] { return amplex::paletteState().shown(); },
};
