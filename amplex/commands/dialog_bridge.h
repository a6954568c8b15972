// Runs the main Amplex dialog for a command: what the command measured goes in, and what the
// user confirmed comes back into the run state.
#pragma once

namespace amplex {

/// Opens the dialog modally; false when it ended without OK (Cancel, or "Use settings").
bool runScaleDialog();

} // namespace amplex
