// "Twinnel...": the source remembered, the dialog run, the clone run.
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/text/text_helpers.h"
#include "twinnel/engine/clone_command.h"
#include "twinnel/engine/common/layouts.h"
#include "twinnel/settings/clone_settings.h"
#include "twinnel/startup/handlers.h"
#include "twinnel/startup/menus.h"
#include "twinnel/ui/clone_dialog.h"
#include "twinnel/ui/insert_pages_dialog.h"
#include "xtapi/messages.h"

namespace twinnel {

int32_t CloneCommand(void* block)
{
    const uint16_t item = static_cast<const xt::MenuCommandBlock*>(block)->itemId;
    if (item == 0 || item != cloneItemId())
        return 0;
    const auto source = currentLayout();
    if (!source)
        return 0;
    // The clone works from what the dialog read back: when the host refused a step of the dialog, what
    // it read may not be what the user chose, so nothing is cloned and the user hears why.
    const foundation::HostFailureWatch dialogWatch;
    int32_t box = 0;
    xt::calls::GetCurrentBox(&box);
    CloneSettings& settings = cloneSettings();
    // Every command starts from every page, whatever the last one listed.
    settings.pageText = "All";
    CloneSettings chosen = settings;
    const bool confirmed = runCloneDialog(chosen, source->id, box != 0);
    if (dialogWatch.failed()) {
        foundation::WarningBox("Twinnel's dialog could not be read as it was set: the application refused a step. "
                               "Nothing was cloned.");
        return 0;
    }
    if (!confirmed)
        return 0;
    settings = chosen;
    RunClone(settings, *source, box, &confirmInsertPages);
    return 0;
}

} // namespace twinnel
