// The Amplex palette (22000): the dialog, fit and preset buttons, the preset list, and its place on screen.
#include <cstdint>

#include "amplex/commands/command_state.h"
#include "amplex/commands/fit_commands.h"
#include "amplex/commands/scale_command.h"
#include "amplex/settings/palette_state.h"
#include "amplex/settings/settings.h"
#include "amplex/startup/handlers.h"
#include "amplex/startup/startup.h"
#include "amplex/ui/dialog_items.h"
#include "amplex/ui/preset_table.h"
#include "foundation/binding.h"
#include "foundation/handle_array.h"
#include "foundation/presets.h"
#include "win32/windows.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace amplex::ui {
namespace {

using namespace xt::calls;

enum PaletteItem : int32_t { DialogButton = 1, FitButton = 2, PresetPopup = 3, PresetButton = 4 };

struct ButtonBitmaps {
    int32_t normal;
    int32_t pressed;
    int32_t disabled;
};
constexpr ButtonBitmaps kDialogBitmaps{23002, 23001, 23009};
constexpr ButtonBitmaps kTextFitBitmaps{23004, 23003, 23008};
constexpr ButtonBitmaps kPictureFitBitmaps{23010, 23011, 23012};
constexpr ButtonBitmaps kPresetBitmaps{23006, 23005, 23007};
constexpr int16_t kUnplaced = 0x7FFF;
constexpr int32_t kContentTool = 1;

struct Palette {
    int32_t pictures[5] = {};
    int32_t box = 0;
    int16_t document = -1;
    int32_t lastTextBox = 0;
    int32_t presetChoice = kCurrentPresetChoice;
};

Palette& palette()
{
    static Palette held;
    return held;
}

void show(int32_t item, int32_t bitmap)
{
    const int32_t picture = palette().pictures[item];
    DisposePictureObject(picture);
    LoadBitmapResource(picture, 0x30000000, 2, bitmap, 0);
    SetItemPicture(item, picture);
}

/// Shows the pressed picture while the mouse button is held, then the normal one again.
void trackButton(int32_t item, const ButtonBitmaps& bitmaps)
{
    show(item, bitmaps.pressed);
    while (ToolboxOp2071() != 0) {
    }
    show(item, bitmaps.normal);
}

void takeCurrent()
{
    GetCurrentBox(&palette().box);
    GetCurrentDocument(&palette().document);
}

bool textBoxWithContentTool(int32_t box)
{
    return GetCurrentTool() == kContentTool && IsTextBox(box) != 0;
}

void disableAll()
{
    show(DialogButton, kDialogBitmaps.disabled);
    show(PresetButton, kPresetBitmaps.disabled);
    show(FitButton, kTextFitBitmaps.disabled);
    for (int32_t item : {PresetButton, FitButton, PresetPopup, DialogButton})
        setEnabled(item, false);
}

void disableBoxButtons()
{
    show(PresetButton, kPresetBitmaps.disabled);
    show(FitButton, kTextFitBitmaps.disabled);
    for (int32_t item : {PresetButton, FitButton, PresetPopup})
        setEnabled(item, false);
}

/// The fit button for a box that is no text box: a picture box can fit itself to a picture of kind 4.
void setPictureFitButton(int32_t box)
{
    if (ItemTypeOp767(box) == 0) {
        show(FitButton, kTextFitBitmaps.disabled);
        setEnabled(FitButton, false);
        return;
    }
    int32_t information = 0;
    int16_t kind = 0;
    const bool fits = XpuOp4302(box, &information, &kind) == 0 && kind == xt::kFittablePictureKind;
    show(FitButton, fits ? kPictureFitBitmaps.normal : kPictureFitBitmaps.disabled);
    setEnabled(FitButton, fits);
}

void updateButtons()
{
    Palette& state = palette();
    if (state.document < 0) {
        disableAll();
        state.lastTextBox = 0;
        WindowOp1509();
        return;
    }
    show(DialogButton, kDialogBitmaps.normal);
    setEnabled(DialogButton, true);
    if (state.box == 0) {
        state.lastTextBox = 0;
        disableBoxButtons();
        WindowOp1509();
        return;
    }
    show(PresetButton, kPresetBitmaps.normal);
    setEnabled(PresetButton, true);
    setEnabled(PresetPopup, true);
    if (textBoxWithContentTool(state.box)) {
        state.lastTextBox = state.box;
        show(FitButton, kTextFitBitmaps.normal);
        setEnabled(FitButton, true);
    } else {
        state.lastTextBox = 0;
        setPictureFitButton(state.box);
    }
    WindowOp1509();
}

PalettePreferences* preferences()
{
    const xt::Handle record = paletteState().record();
    if (!record || GetHandleSize(record) < static_cast<int32_t>(sizeof(PalettePreferences)))
        return nullptr;
    return reinterpret_cast<PalettePreferences*>(*record);
}

void restorePosition()
{
    const PalettePreferences* kept = preferences();
    if (!kept || (kept->left == kUnplaced && kept->top == kUnplaced))
        return;
    const PaletteSize size = defaultPaletteSize(screenPixelsPerInch());
    const xt::WindowRect place{kept->left, kept->top, kept->left + size.width, kept->top + size.height};
    WindowOp1520(&place);
}

void savePosition()
{
    PalettePreferences* kept = preferences();
    xt::WindowRect place{};
    if (!kept || WindowOp1519(&place) != 0)
        return;
    kept->left = static_cast<int16_t>(place.left);
    kept->top = static_cast<int16_t>(place.top);
}

void initItems()
{
    ConfigureList1596(PresetPopup, -1, 0xC0000040, 0);
    const int32_t normal[] = {0, kDialogBitmaps.normal, kTextFitBitmaps.normal, 0, kPresetBitmaps.normal};
    for (int32_t item : {DialogButton, FitButton, PresetButton}) {
        SetItemStyle(item, 0x44, 0, 0);
        // The pictures live as long as the plug-in: made at the first opening and reused after.
        if (palette().pictures[item] == 0)
            palette().pictures[item] = NewPictureObject();
        LoadBitmapResource(palette().pictures[item], 0x30000000, 2, normal[item], 0);
    }
}

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
        if (IsTextBox(palette().box) != 0) {
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
            ListOp1615(PresetPopup, listSelection(PresetPopup), 4, &palette().presetChoice, &length);
        }
        break;
    case PresetButton: scaleWithPreset(); break;
    default: break;
    }
}

void closing()
{
    savePosition();
    int16_t shown = 0;
    XaqOp142(&shown);
    paletteState().setShown(shown != 0);
    *paletteState().windowSlot() = 0;
}

} // namespace
} // namespace amplex::ui

namespace amplex {

int32_t PaletteProc(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    switch (record.event) {
    case xt::WhichResourceEvent:
        static_cast<xt::WhichResourceBlock*>(record.argument.answer)->resourceId = 22000;
        record.handled = 1;
        break;
    case xt::CreatedEvent:
        *paletteState().windowSlot() = xt::calls::GetCallbackWindow();
        paletteState().setShown(true);
        ui::takeCurrent();
        break;
    case xt::InitItemsEvent:
        ui::initItems();
        record.handled = 1;
        break;
    case xt::WindowOpened:
        for (int32_t item : {1, 2, 4})
            xt::calls::SetItemPicture(item, ui::palette().pictures[item]);
        ui::FillPresetPopup();
        ui::restorePosition();
        ui::updateButtons();
        record.handled = 1;
        break;
    case xt::RefillEvent:
        ui::takeCurrent();
        if (ui::palette().box != ui::palette().lastTextBox || ui::palette().document < 0)
            ui::updateButtons();
        break;
    case xt::ItemHit: ui::itemHit(record.item, record.argument.pair.detail); break;
    case xt::ClosingEvent: ui::closing(); break;
    default: break;
    }
    return 0;
}

} // namespace amplex
