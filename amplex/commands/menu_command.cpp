// "Amplex..." runs the dialog and then the scale it confirmed; the palette item toggles the palette.
#include "amplex/commands/menu_command.h"

#include "amplex/commands/dialog_bridge.h"
#include "amplex/commands/scale_command.h"
#include "amplex/resources/window_ids.h"
#include "amplex/settings/palette_state.h"
#include "amplex/startup/menus.h"
#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"
#include "xtapi/messages.h"

namespace amplex {
namespace {

void togglePalette()
{
    PaletteState& palette = paletteState();
    if (!palette.shown()) {
        if (xt::calls::OpenPalette(foundation::windowId(PaletteWindow), palette.record(), palette.windowSlot()) == 0)
            palette.setShown(true);
        return;
    }
    if (xt::calls::BeginWindowDrawing(*palette.windowSlot()) != 0)
        return;
    xt::calls::DrawWindowPart1506(0, 0, 0);
    xt::calls::EndWindowDrawing();
    palette.setShown(false);
}

} // namespace

int32_t OnMenuCommand(void* block)
{
    const auto* command = static_cast<const xt::MenuCommandBlock*>(block);
    // The document and the selection are read for every item, before the item is known.
    const foundation::HostFailureWatch watch;
    const int32_t box = beginCommand();
    if (!command)
        return 0;
    const AmplexMenus& menus = amplexMenus();
    if (menus.paletteItem() != 0 && command->itemId == menus.paletteItem()) {
        togglePalette();
        return 0;
    }
    if (menus.amplexItem() == 0 || command->itemId != menus.amplexItem())
        return 0;
    prepareForDialog(box, ServiceTest::Skip);
    if (selectionUnknown(watch) || !runScaleDialog())
        return 0;
    runScaleSteps(CommandKind::Menu, box);
    return 0;
}

} // namespace amplex
