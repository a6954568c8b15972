// The walk of a story range over its style runs: one stepping call per piece of a run in the range.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "amplex/engine/fitting/style_run_stepping.h"

namespace amplex {

/// Story offsets [start, end).
struct TextPiece {
    int32_t start = 0;
    int32_t end = 0;
    bool operator==(const TextPiece&) const = default;
};

/// The range cut at the boundaries of runs that lie end to end from offset 0. Empty pieces are left
/// out; a range reaching past the runs ends in one piece up to its end.
std::vector<TextPiece> piecesOfRange(std::span<const int32_t> runLengths, int32_t start, int32_t end);

enum class RecomposeEach : uint8_t { No = 0, Yes = 1 };

/// Selects each piece of the range's character runs (or paragraph runs) in turn and steps it once.
/// Nothing is stepped when `box` is no text box or the host gives no run list.
void stepRunsOfRange(int32_t box, int32_t story, TextPiece range, StepDirection direction, StepSize size,
    AttributeLevel level, RecomposeEach recompose);

} // namespace amplex
