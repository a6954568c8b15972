// Sending window events to plug-in callbacks and creating windows from their dialog resources.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/ui/window_model.h"
#include "xtapi/types.h"

namespace host::ui {

WindowManager& windowManager();

/// Sends an event to the window's callback; false when the window is gone or has no callback.
bool sendEvent(xt::WindowRef ref, int32_t event, int32_t item = 0, int32_t detail = 0);

/// An item hit with sub-event 23: a list's cell clicked, the row in the detail, the column in its own word.
bool sendCellClick(xt::WindowRef ref, int32_t item, int32_t row, int32_t column);

/// What a callback wrote into the record's handled word (2 refuses an OK); nullopt when no callback ran.
std::optional<int32_t> sendEventForAnswer(xt::WindowRef ref, int32_t event, int32_t item = 0, int32_t detail = 0);

/// Sends an event whose answer pointer (byte 16 of the record) names `answer`, which the callback fills in;
/// what it wrote into the handled word, or nullopt when no callback ran.
std::optional<int32_t> sendEventWithAnswer(xt::WindowRef ref, int32_t event, void* answer);

/// The handled word with which a callback refuses an OK: the dialog stays open.
inline constexpr int32_t kHandledRefused = 2;

/// Opens a window of this kind for `windowId`: which resource (handing over `value`), its items from the
/// plug-in's dialog resource, then created, init items and opened. The reason when that fails
/// (the window is then gone again).
std::optional<std::string> createWindow(xt::WindowRef ref, int32_t windowId, WindowKind kind, xt::WindowRef parent,
    xt::Handle value);

/// Every running timer goes off once: event 13 to its window, the timer's id in the detail.
void tickTimers();

/// A new window reference.
xt::WindowRef newWindowRef();

/// Turns a radio button on and the others of its group off.
void turnOnRadio(Window& window, int32_t item);

/// The page in front of a dialog's first tab control, or null.
Window* frontPage(Window& dialog);

} // namespace host::ui
