// The checks a scale passes before it runs: usable factors and a result that stays on the pasteboard.
#pragma once

#include "amplex/engine/common/scale_factors.h"
#include "xtapi/box_record.h"

namespace amplex {

inline constexpr char kImproperFactorMessage[] = "Improper scaling number! Must be greater than zero.";
inline constexpr char kOffPasteboardMessage[] = "Can't scale items off pasteboard!";
inline constexpr char kMayScaleOffMessage[] = "Items may scale off pasteboard on some pages.";

/// Warns, and goes on, when a page-range scale that grows items may push some off the pasteboard.
void warnIfPageRangeMayGrowOff(Factors factors);

/// False (after its message) when either factor is zero or negative, or the step amount would make a
/// step-and-repeat copy's factor so.
bool factorsUsable(Factors factors);

/// False (after its message) when the selection, scaled from `bounds`, would pass the pasteboard's
/// edge. Sets `ScaledExtent` from the factors first, so the check never reads an old extent.
bool staysOnPasteboard(const xt::FixedRect& bounds, Factors factors);

} // namespace amplex
