// The probe's table of Amplex's fitters (see fit_probe_api.h).
#include "amplex/engine/fitting/fit_box.h"
#include "amplex/engine/fitting/fit_picture.h"
#include "amplex/engine/fitting/fit_text.h"
#include "amplex/engine/fitting/style_run_stepping.h"
#include "amplex/tests/probe/fit_probe_api.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding/binding.h"
#include "foundation/document/box_record_lease.h"
#include "foundation/plugin/skeleton.h"

namespace amplex::probe {
namespace {

void stepRun(int32_t story, int32_t grow, int32_t fine, int32_t paragraphLevel)
{
    StepRunAttributes(story, grow ? StepDirection::Grow : StepDirection::Shrink,
        fine ? StepSize::Fine : StepSize::Coarse,
        paragraphLevel ? AttributeLevel::Paragraph : AttributeLevel::Character);
}

bool growBox(int32_t box, xt::Fixed delta)
{
    foundation::BoxRecordLease record = foundation::BoxRecordLease::of(box);
    return GrowBoxBy(record.get(), box, delta);
}

} // namespace
} // namespace amplex::probe

extern "C" XT_PLUGIN_EXPORT const amplex::probe::FitProbeApi XTAmplexFitProbe{
    .currentSettings = [] { return &amplex::currentSettings(); },
    .stepRunAttributes = &amplex::probe::stepRun,
    .fitTextToBox = &amplex::FitTextToBox,
    .fitBoxToText = &amplex::FitBoxToText,
    .fitBoxToPicture = &amplex::FitBoxToPicture,
    .growBoxBy = &amplex::probe::growBox,
    .undoEntryCount = [] { return static_cast<int32_t>(amplex::undoEntries().size()); },
    .clearUndo = &amplex::ClearUndo,
};
