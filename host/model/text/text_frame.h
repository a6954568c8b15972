// The part of a text box that text is set in: its size, insets and columns.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace host::model {

struct TextFrame {
    xt::Fixed width = 0;
    xt::Fixed height = 0;
    xt::Fixed insetTop = xt::kFixedOne;
    xt::Fixed insetLeft = xt::kFixedOne;
    xt::Fixed insetBottom = xt::kFixedOne;
    xt::Fixed insetRight = xt::kFixedOne;
    int16_t columns = 1;
    xt::Fixed gutter = 12 * xt::kFixedOne;

    bool operator==(const TextFrame&) const = default;
};

} // namespace host::model
