// The probe's table of Amplex's document engines (see docscale_probe_api.h).
#include "amplex/engine/common/after_scale.h"
#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/engine/document/guide_scale.h"
#include "amplex/engine/selection/step_repeat.h"
#include "amplex/tests/probe/docscale_probe_api.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"

namespace amplex::probe {
/// In docscale_probe_entry.cpp, which leaves the settings out (see document_scale.h).
void runScaleDocument();
} // namespace amplex::probe

namespace amplex::probe {
namespace {

void measureSelection()
{
    int32_t item = 0;
    xt::calls::GetCurrentBox(&item);
    xt::Fixed bounds[4] = {};
    if (item != 0 && xt::calls::ItemOp224(item, bounds, 0, 0) == 0)
        engineState().setSelectionBounds({bounds[0], bounds[1], bounds[2], bounds[3]});
}

void setDocumentOfRun()
{
    int16_t id = -1;
    xt::calls::GetCurrentDocument(&id);
    documentRun().setDocumentRef(xt::calls::GetDocumentRef(id));
}

} // namespace
} // namespace amplex::probe

extern "C" XT_PLUGIN_EXPORT const amplex::probe::DocScaleProbeApi XTAmplexDocScaleProbe{
    .currentSettings = [] { return &amplex::currentSettings(); },
    .setPageRange = [](int32_t first, int32_t last) { amplex::documentRun().setPageRange({first, last}); },
    .setPageOffset = [](int16_t offset) { amplex::documentRun().setPageOffset(offset); },
    .setOnMasterPage = [](bool on) { amplex::documentRun().setOnMasterPage(on); },
    .setFitTo = [](bool on, bool paperSize) { amplex::documentRun().setFitTo(on, paperSize); },
    .setRepeatCount = [](xt::Fixed count) { amplex::documentRun().setRepeatCount(count); },
    .measureSelection = &amplex::probe::measureSelection,
    .scaleDocument = &amplex::probe::runScaleDocument,
    .stepAndRepeat = &amplex::StepAndRepeatScaled,
    .scaleGuides = [](int32_t page) {
        amplex::probe::setDocumentOfRun();
        amplex::ScaleGuides(page, 0);
    },
    .adjustAfterScale = [] {
        amplex::probe::setDocumentOfRun();
        amplex::AdjustDocumentAfterScale();
    },
    .undoEntryCount = [] { return static_cast<int32_t>(amplex::undoEntries().size()); },
    .origin = [] { return amplex::engineState().origin(); },
};
