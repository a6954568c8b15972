// One table of Amplex's probe: the fitters as bound inside the loaded module, so that the fitting tests
// and the benchmark reach the host exactly as the plug-in does.
#pragma once

#include <cstdint>

#include "amplex/settings/settings.h"
#include "xtapi/box_record.h"

namespace amplex::probe {

inline constexpr char kFitProbeSymbol[] = "XTAmplexFitProbe";

struct FitProbeApi {
    ScaleSettings* (*currentSettings)();
    /// StepRunAttributes on the story's current selection: grow 1/0, fine 1/0, paragraph level 1/0.
    void (*stepRunAttributes)(int32_t story, int32_t grow, int32_t fine, int32_t paragraphLevel);
    void (*fitTextToBox)(int32_t box);
    void (*fitBoxToText)(int32_t box);
    void (*fitBoxToPicture)(int32_t box);
    /// GrowBoxBy on a fresh record of the box; true when the box changed.
    bool (*growBoxBy)(int32_t box, xt::Fixed delta);
    int32_t (*undoEntryCount)();
    void (*clearUndo)();
};

} // namespace amplex::probe
