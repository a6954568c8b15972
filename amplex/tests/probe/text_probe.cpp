// The probe's table of Amplex's text and picture-box scalers (see text_probe_api.h).
#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/scaled_page.h"
#include "amplex/engine/document/scale_page_range.h"
#include "amplex/engine/scalers/box_content_scalers.h"
#include "amplex/engine/selection/scale_selection.h"
#include "amplex/engine/text/text_done_marker.h"
#include "amplex/engine/text/text_scale_range.h"
#include "amplex/tests/probe/text_probe_api.h"
#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"

extern "C" XT_PLUGIN_EXPORT const amplex::probe::TextProbeApi XTAmplexTextProbe{
    .scaleTextBox = &amplex::ScaleTextBox,
    .scalePictureBox = &amplex::ScalePictureBox,
    .scaleSelection = &amplex::ScaleSelection,
    .setOrigin = [](xt::FixedPoint origin) { amplex::engineState().setOrigin(origin); },
    .origin = [] { return amplex::engineState().origin(); },
    .setTableScaled = [](bool on) { amplex::engineState().setTableScaled(on); },
    .setScaledPages = [](int16_t first, int16_t last, int16_t pageKey) {
        amplex::setScaledPages({first, last});
        amplex::setCurrentScalePage(pageKey);
    },
    .setTextScaleRange = [](int32_t start, int32_t end) { amplex::setTextScaleRange({start, end}); },
    .textScaleRange = [](int32_t* start, int32_t* end) {
        *start = amplex::textScaleRange().start;
        *end = amplex::textScaleRange().end;
    },
    .markTextDone = &amplex::markTextDone,
};
