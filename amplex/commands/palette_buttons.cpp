// The Amplex palette's window callback: its buttons run the scale and fit commands; the window's
// own steps (pictures, button states, place on screen) are the palette view's.
#include <cstdint>

#include "amplex/commands/command_state.h"
#include "amplex/commands/fit_commands.h"
#include "amplex/commands/scale_command.h"
#include "amplex/settings/settings.h"
#include "amplex/startup/handlers.h"
#include "amplex/ui/dialog_items.h"
#include "amplex/ui/palette_view.h"
#include "amplex/ui/preset_table.h"
#include "foundation/binding/binding.h"
#include "foundation/memory/handle_array.h"
#include "foundation/presets/presets.h"
#include "win32/windows.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace amplex {
namespace {

using namespace ui;

/// The preset button: the chosen preset, or "Current" with the selection as what is scaled.
void scaleWithPreset()
{
    trackButton(PresetButton, kPresetBitmaps);
    // The preset list is set up once; a choice that no longer names a preset counts as "Current".
    if (!foundation::presetList()) {
        foundation::InitPresetFolders(true);
        ReloadAllPresets();
    }
    const int32_t choice = palette().presetChoice;
    const xt::Handle list = foundation::presetList();
    const bool valid = choice >= 0 && list && choice < foundation::HandleArrayCount(list);
    if (valid && foundation::LoadPresetAt(0, 0, choice) == 0) {
        ScaleWithSettings();
        return;
    }
    currentSettings().ScaleWhat = ScaleSelectionOnly;
    ScaleWithSettings();
}

void itemHit(int32_t item, int32_t detail)
{
    const bool alt = GetAsyncKeyState(VK_MENU) < 0;
    const bool ctrl = GetAsyncKeyState(VK_CONTROL) < 0;
    commandState().setClickModifier(alt ? ClickModifier::Alt : ctrl ? ClickModifier::Ctrl : ClickModifier::None);
    switch (item) {
    case DialogButton:
        trackButton(DialogButton, kDialogBitmaps);
        ScaleWithDialog();
        break;
    case FitButton:
        takeCurrent();
        if (xt::calls::IsTextBox(palette().box) != 0) {
            trackButton(FitButton, kTextFitBitmaps);
            currentSettings().FitTextRequest = 1;
            TextFitCommand();
        } else {
            trackButton(FitButton, kPictureFitBitmaps);
            currentSettings().FitPictureRequest = 1;
            FitBoxToPictureCommand();
        }
        break;
    case PresetPopup:
        if (detail == xt::SelectionChanged) {
            int32_t length = 0;
            xt::calls::ListOp1615(PresetPopup, listSelection(PresetPopup), 4, &palette().presetChoice, &length);
        }
        break;
    case PresetButton: scaleWithPreset(); break;
    default: break;
    }
}

} // namespace

int32_t PaletteProc(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    switch (record.event) {
    case xt::WhichResourceEvent:
        static_cast<xt::WhichResourceBlock*>(record.argument.answer)->resourceId = 22000;
        record.handled = 1;
        break;
    case xt::CreatedEvent: paletteCreated(); break;
    case xt::InitItemsEvent:
        initPaletteItems();
        record.handled = 1;
        break;
    case xt::WindowOpened:
        paletteOpened();
        record.handled = 1;
        break;
    case xt::RefillEvent: paletteRefill(); break;
    case xt::ItemHit: itemHit(record.item, record.argument.pair.detail); break;
    case xt::ClosingEvent: paletteClosing(); break;
    default: break;
    }
    return 0;
}

} // namespace amplex
