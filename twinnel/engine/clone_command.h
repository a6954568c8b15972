// The clone itself, once the dialog is confirmed: the source pages read, the destination prepared,
// room made, and the copy or split run.
#pragma once

#include "twinnel/engine/clone_run.h"

namespace twinnel {

/// Runs the clone the settings describe from the source layout and box. The user hears of a page list
/// that cannot be read, a missing selection, a destination too short (through `confirmInsert`) and any
/// step the host refused. The source is the current layout again at the end.
void RunClone(const CloneSettings& settings, LayoutRef source, int32_t box, const ConfirmInsert& confirmInsert);

} // namespace twinnel
