// The floating palette: four buttons (bullets, numbers, level out, level in) and the action popup.
#include <array>

#include "dotwise/engine/list_run.h"
#include "dotwise/resources/dialog_resources.h"
#include "dotwise/settings/palette_prefs.h"
#include "dotwise/startup/handlers.h"
#include "dotwise/startup/menus.h"
#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace dotwise {
namespace {

using namespace xt::calls;

constexpr int32_t kButtonCount = 4;
constexpr int32_t kActionPopup = 5;
constexpr int32_t kButtonStyle = 0x54;
constexpr int32_t kBitmapKind = 0x30000000;
constexpr int32_t kPopupSetup = static_cast<int32_t>(0xC0000010u);
constexpr int32_t kWindowRectangle = 5;

enum PopupRow : int32_t {
    RowSettings = 0,
    RowSeparator = 1,
    RowRemoveMarkers = 2,
    RowRemoveMarkersAndIndent = 3,
    RowZeroIndents = 4,
};

std::array<int32_t, kButtonCount + 1> g_pictures{};

void initialiseItems()
{
    for (int32_t button = 1; button <= kButtonCount; ++button) {
        SetItemStyle(button, kButtonStyle, 0, 0);
        g_pictures[static_cast<size_t>(button)] = NewPictureObject();
        LoadBitmapResource(g_pictures[static_cast<size_t>(button)], kBitmapKind, 2, FirstButtonBitmap + button, 0);
    }
    ConfigureList1596(kActionPopup, 0, static_cast<uint32_t>(kPopupSetup), 0);
}

/// Every button gets its picture; only the move waits for a saved place.
void opened()
{
    for (int32_t button = 1; button <= kButtonCount; ++button)
        SetItemPicture(button, g_pictures[static_cast<size_t>(button)]);
    const PalettePrefs prefs = paletteState().prefs();
    xt::WindowRect place{};
    if ((prefs.x != kNoPosition || prefs.y != kNoPosition) && WindowOp1540(kWindowRectangle, &place) == 0) {
        const int32_t width = place.right - place.left;
        const int32_t height = place.bottom - place.top;
        const xt::WindowRect moved{prefs.x, prefs.y, prefs.x + width, prefs.y + height};
        WindowOp1520(&moved);
    }
    SetPopupMenuResource(kActionPopup, 0, PaletteActionMenu);
}

/// Shows the pressed picture while the mouse button is held, then the normal one; every press is a click.
void trackButton(int32_t button)
{
    const int32_t picture = g_pictures[static_cast<size_t>(button)];
    DisposePictureObject(picture);
    LoadBitmapResource(picture, kBitmapKind, 2, FirstPressedButtonBitmap + button, 0);
    SetItemPicture(button, picture);
    while (ToolboxOp2071() != 0) {
    }
    DisposePictureObject(picture);
    LoadBitmapResource(picture, kBitmapKind, 2, FirstButtonBitmap + button, 0);
    SetItemPicture(button, picture);
}

void chooseAction()
{
    int32_t row = -1;
    GetListSelection(kActionPopup, &row);
    switch (row) {
    case RowSettings: openSettingsDialog(); break;
    case RowRemoveMarkers: RunListAction(ActionRemoveMarkers); break;
    case RowRemoveMarkersAndIndent: RunListAction(ActionRemoveMarkersAndIndent); break;
    case RowZeroIndents: RunListAction(ActionZeroIndents); break;
    default: break;
    }
    SetListSelection(kActionPopup, -1);
}

void itemHit(int32_t item, int32_t detail)
{
    if (item >= 1 && item <= kButtonCount && detail == xt::PictureClicked) {
        trackButton(item);
        RunListAction(static_cast<int16_t>(item));
        return;
    }
    if (item == kActionPopup && detail == xt::SelectionChanged)
        chooseAction();
}

/// Keeps the place; the shown flag is cleared unless the host is quitting, so the palette comes back
/// at the next start.
void closing()
{
    PaletteState& palette = paletteState();
    xt::WindowRect place{};
    if (palette.block() && WindowOp1519(&place) == 0) {
        PalettePrefs prefs = palette.prefs();
        prefs.x = static_cast<int16_t>(place.left);
        prefs.y = static_cast<int16_t>(place.top);
        palette.setPrefs(prefs);
    }
    uint8_t quitting = 0;
    XaqOp142(&quitting);
    if (quitting == 0)
        palette.setShown(false);
    for (int32_t button = 1; button <= kButtonCount; ++button) {
        DisposePictureObject(g_pictures[static_cast<size_t>(button)]);
        g_pictures[static_cast<size_t>(button)] = 0;
    }
    *palette.windowSlot() = 0;
}

} // namespace

int32_t PaletteCallback(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    switch (record.event) {
    case xt::WhichResourceEvent:
        static_cast<xt::WhichResourceBlock*>(record.argument.answer)->resourceId = PaletteResource + foundation::languageCode();
        break;
    case xt::CreatedEvent: paletteState().setShown(true); break;
    case xt::InitItemsEvent: initialiseItems(); break;
    case xt::WindowOpened: opened(); break;
    case xt::ItemHit: itemHit(record.item, record.argument.pair.detail); break;
    case xt::ClosingEvent: closing(); break;
    default: return 0;
    }
    record.handled = 1;
    return 0;
}

} // namespace dotwise
