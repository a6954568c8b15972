// Sections at the copied pages of a destination ("Make section(s)").
#pragma once

#include <vector>

#include "xtapi/types.h"

namespace twinnel {

struct SectionPlan {
    int32_t firstCopiedPage = 1;   ///< where the first listed page's copy lies in the destination
    int32_t firstNumber = 1;       ///< the number the first section starts from
    bool keepContiguous = true;    ///< one section, or one more at each break in the list
};

/// Starts a section at the first copy; with "Multiple sections", also at each copy whose source page
/// does not follow the one listed before it, in the source page's numbering format and prefix. The
/// destination must be the current layout.
void makeSections(xt::DocumentRef source, const std::vector<int>& pages, const SectionPlan& plan);

} // namespace twinnel
