// The host's layout probe as the fitters read it: the composed lines of a box's story.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "xtapi/text_records.h"

namespace amplex {

struct LayoutProbe {
    /// The end of the story's selection, as the host reports it.
    int32_t a = 0;
    /// The story offset of the box's first character.
    int32_t b = 0;
    std::vector<xt::LineRecord> lines;

    /// True when the text overflows: the last line does not fit. No lines at all fit.
    bool overflows() const;
    /// The line that holds offset `a`: the last one starting before it, or the last of all when
    /// a equals b, when no line starts before a, or when every line does.
    const xt::LineRecord* lineHolding(int32_t offset) const;
    /// The depth of the text up to offset `a`: that of the first line after the first one that
    /// starts at or after a, or of the last line when a equals b or no such line exists.
    std::optional<xt::Fixed> depthBefore(int32_t offset) const;
};

/// Composes the box's story and reads its line records; empty when the host has no memory for them.
std::optional<LayoutProbe> probeLayout(int32_t box);

} // namespace amplex
