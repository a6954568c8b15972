// Undo and Redo of the last clone, as the host's Edit menu asks for them.
#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"
#include "twinnel/engine/undo/clone_undo.h"
#include "twinnel/startup/handlers.h"

namespace twinnel {

int32_t OnUndoClone(void*)
{
    if (!cloneUndo().undo())
        foundation::WarningBox("Twinnel could not undo the whole clone: the application refused a step. "
                               "Some copies may still be there.");
    return 0;
}

int32_t OnRedoClone(void*)
{
    if (!cloneUndo().redo())
        foundation::WarningBox("Twinnel could not redo the whole clone: the application refused a step. "
                               "Some copies may be missing.");
    return 0;
}

} // namespace twinnel
