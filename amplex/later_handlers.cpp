// Handlers that hold their place in Amplex's registration order until their work is built.
#include "amplex/later_handlers.h"

namespace amplex {

// The menu command runs the palette toggle and the scale dialog, which are not built yet.
int32_t OnMenuCommand(void*) { return 0; }

// Idle time needs no work from Amplex.
int32_t OnIdle(void*) { return 0; }

// Undo and redo of a scale arrive with the scale commands.
int32_t OnUndoScale(void*) { return 0; }
int32_t OnRedoScale(void*) { return 0; }

// The dialog, its pages and the palette arrive with the user interface; until then they consume no event.
int32_t ScaleDialogProc(void*) { return 0; }
int32_t ScalePageProc(void*) { return 0; }
int32_t OptionsPageProc(void*) { return 0; }
int32_t PresetsPageProc(void*) { return 0; }
int32_t TextFitPageProc(void*) { return 0; }
int32_t PaletteProc(void*) { return 0; }

} // namespace amplex
