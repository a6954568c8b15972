// GreekSettings: what the settings dialog chooses and the greek commands read. Kept in memory only;
// every start begins from the defaults.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace mockum {

enum class GreekScope : int16_t {
    Selection = 0,
    EntireItem = 1,
    PageRange = 2,
};

struct GreekSettings {
    GreekScope scope = GreekScope::Selection;
    int32_t fromPage = 1;
    int32_t toPage = 1;
    /// "Greek text below": words whose first character is smaller than this change when greekAny is off.
    xt::Fixed sizeThreshold = 16 * xt::kFixedOne;
    bool greekAny = true;
    /// A box was current at the last command, so Selection and Entire Item are offered.
    bool selectionScopesOffered = true;

    bool operator==(const GreekSettings&) const = default;
};

/// The settings the commands use, from start-up to quit.
GreekSettings& greekSettings();
/// Back to the defaults (start-up).
void resetGreekSettings();

/// A page typed into From or To, kept within the document's pages (1 to pageCount).
int32_t pageWithin(int32_t typed, int32_t pageCount);

} // namespace mockum
