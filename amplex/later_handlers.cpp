// Handlers that hold their place in Amplex's registration order until their work is built.
#include "amplex/later_handlers.h"

namespace amplex {

// The menu command, undo and redo live with the scale commands (amplex/commands/).

// Idle time needs no work from Amplex.
int32_t OnIdle(void*) { return 0; }

} // namespace amplex
