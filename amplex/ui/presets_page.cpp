// The Presets page (21003): the foundation's page with the Scale and Options pages behind it, Amplex's
// preset table and palette list kept in step, and the "Add to 'Fit to' list" button.
#include <array>

#include "amplex/startup/handlers.h"
#include "amplex/ui/dialog_state.h"
#include "amplex/ui/options_page.h"
#include "amplex/ui/page_events.h"
#include "amplex/ui/preset_table.h"
#include "amplex/ui/scale_page.h"
#include "foundation/presets/presets_page.h"
#include "xtapi/window_callback.h"

namespace amplex::ui {
namespace {

constexpr int32_t kPresetsPageResource = 21003;
constexpr int32_t AddToFitToButton = 11;

xt::WindowRef& presetsWindow()
{
    return pageWindows().presets;
}

/// The pages' values go into the record before it is written to a file.
void readPagesBack()
{
    ReadScalePage();
    ReadOptionsPage();
}

void fillPages()
{
    FillScalePage();
    FillOptionsPage();
}

bool offersFitTo(const foundation::PresetButtonFacts& facts)
{
    return facts.selection != -1 && facts.named && IsSizePreset(facts.selection);
}

void addToFitTo(int32_t selection)
{
    if (selection >= 0)
        SetPresetFitToKind(selection);
    // The palette offers the preset at once, not only after its next refill.
    FillPresetPopup();
    FillScalePage();
}

constexpr std::array<foundation::PresetPageButton, 1> kAmplexButtons{{
    {AddToFitToButton, &offersFitTo, &addToFitTo},
}};

const foundation::PresetsPage kPresetsPage{
    .window = &presetsWindow,
    .readPages = &readPagesBack,
    .fillPages = &fillPages,
    .reloadPresets = &ReloadAllPresets,
    .refreshPresetMenus = &FillPresetPopup,
    .afterDelete = foundation::AfterPresetDelete::NoSelection,
    .extraButtons = kAmplexButtons,
    .noteHostFailure = [] { dialogState().setHostFailed(); },
    .otherEvent = [](xt::WindowCallbackRecord& record) { answerCommonPageEvent(record, kPresetsPageResource); },
};

} // namespace
} // namespace amplex::ui

namespace amplex {

int32_t PresetsPageProc(void* block)
{
    return foundation::PresetsPageEvent(ui::kPresetsPage, block);
}

} // namespace amplex
