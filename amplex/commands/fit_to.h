// The "Fit to" entries and paper sizes: the factors each gives a selection, and how far an entry
// moves the selection before it scales.
#pragma once

#include <cstdint>
#include <optional>

#include "amplex/commands/page_facts.h"
#include "amplex/engine/common/scale_factors.h"
#include "xtapi/box_record.h"

namespace amplex {

/// Positions in the "Fit to" menu, from 1.
enum FitToEntry : int16_t {
    FitToPage = 1,
    FitToSpread = 2,
    FitToBleed = 3,
    FitToSingleColumn = 4,
    FitToDoubleColumn = 5,
    FitToHalfPageHorizontal = 6,
    FitToHalfPageVertical = 7,
    FitToThirdPageVertical = 8,
    FitToQuarterPagePanel = 9,
    FitToSixthPagePanel = 10,
    FitToCdCover = 11,
    FitToBusinessCard = 12,
    FitToBannerAd = 13,
};

/// The built-in paper sizes of the paper-size menu; later entries use the target size.
inline constexpr int32_t kBuiltInPaperSizes = 6;

struct FitToResult {
    Factors factors{xt::kFixedOne, xt::kFixedOne};
    /// How far the selection moves before it scales (dy, dx); zero for most entries.
    xt::FixedPoint move{};
    /// The entry scales from the selection's upper left ("Scale from" becomes 0).
    bool fromUpperLeft = false;
};

struct FitToInput {
    int16_t choice = 0;
    bool constrain = false;
    xt::FixedRect selection{};
    Fixed targetWidth = 0;
    Fixed targetHeight = 0;
};

/// An entry of the "Fit to" menu; empty for a position that names no entry or a selection without size.
std::optional<FitToResult> fitToEntry(const FitToInput& input, const PageFacts& facts, xt::DocumentRef document);

/// A paper size (`choice` from 1): the page scales to the paper, about the upper left.
std::optional<FitToResult> fitToPaper(const FitToInput& input, const PageFacts& facts);

} // namespace amplex
