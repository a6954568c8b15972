// The life of a plug-in's dialog as the host drives it through the window callback (which resource,
// created, items set up, opened, item hits, OK, Cancel, closing): a dialog fills one table of handlers
// and the skeleton answers each event and its handled word.
#pragma once

#include <cstdint>
#include <span>

#include "xtapi/window_callback.h"

namespace foundation::dialog {

/// What OK does to the dialog: it closes, or it stays open because what the user typed cannot be taken.
enum class OkAnswer { Close, KeepOpen };

/// The handled word with which a callback keeps its dialog open at OK.
inline constexpr int32_t kHandledKeepOpen = 2;

/// The draw passes, for a dialog that answers them with nothing to draw itself.
inline constexpr int32_t kDrawEvents[] = {xt::DrawEvent, xt::DrawEvent14, xt::DrawEvent24};

/// A dialog's handlers, one per event; an event whose handler is left empty goes back to the host
/// unhandled.
struct DialogHandlers {
    /// The dialog resource the window shows.
    int32_t resourceId = 0;
    /// Work done when the host asks for the resource, before anything else of the dialog exists.
    void (*beforeResource)() = nullptr;
    void (*created)() = nullptr;
    void (*initItems)() = nullptr;
    void (*opened)() = nullptr;
    /// An item hit; false leaves it to the host.
    bool (*itemHit)(const xt::WindowCallbackRecord& record) = nullptr;
    OkAnswer (*ok)() = nullptr;
    void (*cancel)() = nullptr;
    void (*closing)() = nullptr;
    /// Events answered as handled with nothing done.
    std::span<const int32_t> quietEvents = {};
};

/// Answers one window callback from the dialog's handlers. Returns the callback's result, always 0.
int32_t dispatchDialogEvent(const DialogHandlers& handlers, void* record);

/// An item the dialog answers itself when it is hit; `act` is told which item it was.
struct ItemAction {
    int32_t item;
    void (*act)(int32_t item);
};

/// Runs the action of `item` from `actions`; false when the table has none for it.
bool runItemAction(std::span<const ItemAction> actions, int32_t item);

/// True for a hit that presses its item (a button pressed, a box checked, a field edited), as
/// against the other sub-events an item hit carries.
bool isPress(const xt::WindowCallbackRecord& record);

/// Opens the plug-in's window at `windowOffset` as a modal dialog and returns when it has closed;
/// false when the host could not open it.
bool runModalDialog(int32_t windowOffset);

} // namespace foundation::dialog
