// One table of Amplex's probe: the document engines and the run state a command would set for them,
// as bound inside the loaded module.
#pragma once

#include <cstdint>

#include "amplex/settings/settings.h"
#include "xtapi/box_record.h"
#include "xtapi/types.h"

namespace amplex::probe {

inline constexpr char kDocScaleProbeSymbol[] = "XTAmplexDocScaleProbe";

struct DocScaleProbeApi {
    ScaleSettings* (*currentSettings)();

    void (*setPageRange)(int32_t first, int32_t last);
    void (*setPageOffset)(int16_t offset);
    void (*setOnMasterPage)(bool on);
    void (*setFitTo)(bool on, bool paperSize);
    void (*setRepeatCount)(xt::Fixed count);
    /// Measures the current selection as the scale command does before it scales.
    void (*measureSelection)();

    void (*scaleDocument)();
    void (*stepAndRepeat)();
    void (*scaleGuides)(int32_t page);
    void (*adjustAfterScale)();

    int32_t (*undoEntryCount)();
    /// `ScaleOrigin`, vertical first.
    xt::FixedPoint (*origin)();
};

} // namespace amplex::probe
