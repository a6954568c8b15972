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
#include "foundation/document/data_blocks.h"
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
    .getXtData = [](int32_t object, int16_t level, xt::FourLetterCode id) { return foundation::GetXtData(object, level, id); },
    .setXtData = [](int32_t object, int16_t level, xt::FourLetterCode id, xt::Handle data) { return foundation::SetXtData(object, level, id, data); },
    .markTextDone = &amplex::markTextDone,
    .newHandle = [](int32_t size) { return xt::calls::NewHandle(size); },
    .handleSize = [](xt::Handle handle) { return xt::calls::GetHandleSize(handle); },
    .disposeHandle = [](xt::Handle handle) { xt::calls::DisposeHandle(handle); },
};
