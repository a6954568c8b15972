// The Amplex palette's window (22000): its buttons' pictures and states, the preset chosen in its
// list, and its place on screen. What its buttons run is the command layer's (palette_buttons.cpp).
#include "amplex/ui/palette_view.h"

#include "amplex/settings/palette_state.h"
#include "amplex/startup/startup.h"
#include "amplex/ui/dialog_items.h"
#include "foundation/binding/binding.h"
#include "xtapi/box_record.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace amplex::ui {
namespace {

using namespace xt::calls;

constexpr int16_t kUnplaced = 0x7FFF;
constexpr int32_t kContentTool = 1;

void show(int32_t item, int32_t bitmap)
{
    const int32_t picture = palette().pictures[item];
    DisposePictureObject(picture);
    LoadBitmapResource(picture, 0x30000000, 2, bitmap, 0);
    SetItemPicture(item, picture);
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

} // namespace

Palette& palette()
{
    static Palette held;
    return held;
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

void initPaletteItems()
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

void paletteCreated()
{
    *paletteState().windowSlot() = GetCallbackWindow();
    paletteState().setShown(true);
    takeCurrent();
}

void paletteOpened()
{
    for (int32_t item : {DialogButton, FitButton, PresetButton})
        SetItemPicture(item, palette().pictures[item]);
    FillPresetPopup();
    restorePosition();
    updateButtons();
}

void paletteRefill()
{
    takeCurrent();
    if (palette().box != palette().lastTextBox || palette().document < 0)
        updateButtons();
}

void paletteClosing()
{
    savePosition();
    int16_t shown = 0;
    XaqOp142(&shown);
    paletteState().setShown(shown != 0);
    *paletteState().windowSlot() = 0;
}

} // namespace amplex::ui
