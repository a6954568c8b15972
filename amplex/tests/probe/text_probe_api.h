// One table of Amplex's probe: the text, picture-box and data-block calls of Amplex's engine, as bound
// inside the loaded module.
#pragma once

#include <cstdint>

#include "xtapi/box_record.h"
#include "xtapi/types.h"

namespace amplex::probe {

inline constexpr char kTextProbeSymbol[] = "XTAmplexTextProbe";

struct TextProbeApi {
    void (*scaleTextBox)(int32_t box);
    void (*scalePictureBox)(int32_t box);
    void (*scaleSelection)();

    void (*setOrigin)(xt::FixedPoint origin);
    xt::FixedPoint (*origin)();
    void (*setTableScaled)(bool on);
    /// The page range of a "From page" scale and the page of it being scaled (its page key).
    void (*setScaledPages)(int16_t first, int16_t last, int16_t pageKey);
    /// The chain state a group hands to a text box; (0, 0) for none.
    void (*setTextScaleRange)(int32_t start, int32_t end);
    void (*textScaleRange)(int32_t* start, int32_t* end);

    void (*markTextDone)(int32_t box);
};

} // namespace amplex::probe
