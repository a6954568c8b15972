// The hand-over between the scale commands and the dialog's shared state.
#include "amplex/commands/dialog_bridge.h"

#include "amplex/commands/command_state.h"
#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/resources/window_ids.h"
#include "amplex/ui/dialog_state.h"
#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"

namespace amplex {
namespace {

void handToDialog()
{
    ui::DialogState& dialog = ui::dialogState();
    const xt::FixedRect bounds = engineState().selectionBounds();
    dialog.setSelectionBounds({bounds.top, bounds.left, bounds.bottom, bounds.right});
    dialog.setNoSelection(commandState().noSelection());
    dialog.setCurrentIsTextBox(commandState().currentIsTextBox());
    dialog.setPageRange(commandState().dialogFirstPage(), commandState().dialogLastPage());
    dialog.setCancelled(false);
    dialog.setHostFailed(false);
}

void takeFromDialog()
{
    const ui::DialogState& dialog = ui::dialogState();
    commandState().setDialogPages(dialog.pageFrom(), dialog.pageTo());
    documentRun().setFitTo(dialog.fitToOn(), dialog.paperSizeFit());
    documentRun().setRepeatCount(dialog.repeatCount());
}

} // namespace

bool runScaleDialog()
{
    handToDialog();
    int32_t result = 0;
    commandState().setDialogOpen(true);
    const int32_t status = xt::calls::OpenDialog(foundation::windowId(ScaleDialogWindow), 0, &result);
    commandState().setDialogOpen(false);
    if (status != 0 || result != 1 || ui::dialogState().cancelled())
        return false;
    if (ui::dialogState().hostFailed()) {
        ShowScaleWarning("Amplex could not use its dialog, so nothing was scaled.");
        return false;
    }
    takeFromDialog();
    return true;
}

} // namespace amplex
