// Running plug-in windows: modal dialogs with their tab pages, floating palettes, and the scripted user's actions on them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "host/ui/dialog_script.h"
#include "xtapi/types.h"
#include "xtapi/window_callback.h"

namespace host::ui {

class Window;

/// OpenDialog: which resource, created, init items, opened, then the scripted user's actions until OK,
/// Cancel or the plug-in closing it, then closing. With no action queued the dialog is recorded as
/// unexpected and cancelled. `*result` is 1 after OK, else 0. -1 when the dialog cannot be opened.
int32_t runModalDialog(int32_t windowId, int32_t* result);

/// OpenPalette: the palette's events up to opened; it stays open. The which-resource event carries
/// `record` (xt::WhichResourceBlock). -1 (and *window 0) when it cannot be opened.
int32_t openPalette(int32_t windowId, xt::Handle record, xt::WindowRef* window);

/// A modeless window (a progress box): its events up to opened; it stays open, while the plug-in works, until
/// the plug-in closes it. -1 (and *window 0) when it cannot be opened.
int32_t openModeless(int32_t windowId, xt::WindowRef* window);

/// DrawWindowPart1506, WindowOp1507: closes the current window (a tab page's dialog, a dialog, a palette, a
/// modeless window). A modal dialog ends as `how` says once the running event is done.
int32_t closeCurrentWindow(DialogOutcome how = DialogOutcome::Closed);

/// The user drags an open palette to `width` by `height` pixels: the palette gives its size limits (15), may change
/// the proposed size (17), the host keeps the result within the limits and moves the window's right and bottom
/// edges, then tells the palette (18). The size it took, or why it could not be resized.
std::variant<xt::PaletteProposedSize, std::string> resizePalette(xt::WindowRef palette, int32_t width, int32_t height);

/// A modeless window shows what it holds after the plug-in redrew it: a line for the session when its texts
/// changed since the last one.
void noteModelessShown(const Window& window);

/// Performs one action on an open palette at once; why it could not, or nothing.
std::optional<std::string> actOnPalette(xt::WindowRef palette, const DialogAction& action);

/// Sends "document or selection changed" (0x08000007) to every open palette.
void notifySelectionChanged();

/// Closes every palette (closing event first). With `quitting`, XaqOp142 answers 1 while they close,
/// so that a palette can tell a quit from the user closing it.
void closePalettes(bool quitting);

} // namespace host::ui
