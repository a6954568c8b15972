// Amplex's scale commands: the palette's scale with the settings as they stand, the scale that
// opens the dialog first, and the steps that both and the menu command share.
#pragma once

#include <cstdint>

#include "amplex/commands/selection_measure.h"
#include "foundation/binding/host_failures.h"

namespace amplex {

/// How a command came: the palette's scale button, the palette's dialog button, or the menu item.
/// They differ in the size-mode step, the host undo step and what follows the engine.
enum class CommandKind : uint8_t { Palette, Dialog, Menu };

/// Scales with the live settings as they stand (the palette's scale button).
void ScaleWithSettings();

/// Opens the main dialog and scales with what the user confirmed (the palette's dialog button).
void ScaleWithDialog();

/// Takes the current document and its page count; returns the current item (0 for none).
int32_t beginCommand();
/// Shows that the selection could not be read when a host call failed since `watch` began.
bool selectionUnknown(const foundation::HostFailureWatch& watch);

/// Measures the selection, or with no current item the first page, before the dialog opens; the
/// dialog starts on "Selection" or "Document" accordingly.
void prepareForDialog(int32_t box, ServiceTest test);

/// The steps after the factors are known: page values, fits, "Fit to", the checks, one engine.
void runScaleSteps(CommandKind kind, int32_t box);

} // namespace amplex
