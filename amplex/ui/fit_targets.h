// The sizes behind the Scale page's "Fit to" entries: paper sizes, page fractions and fixed formats.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "amplex/ui/dialog_state.h"

namespace amplex::ui {

inline constexpr int32_t kSelectionFitToCount = 13;
inline constexpr int32_t kPaperFitToCount = 6;

/// `PaperSizeTable`: entry k - 1 for the k-th paper; the envelope lies landscape.
inline constexpr std::array<Size, kPaperFitToCount> kPaperSizeTable = {{
    {0x2640000, 0x3180000}, // US Letter
    {0x2640000, 0x3F00000}, // US Legal
    {0x2534BC6, 0x349E560}, // A4 Letter
    {0x1F2E353, 0x2C4B22D}, // B5 Letter
    {0x3180000, 0x4C80000}, // Tabloid
    {0x2AC0000, 0x1290000}, // #10 Envelope
}};

/// The current page's geometry as the host gives it.
struct PageGeometry {
    Fixed width = 0;
    Fixed height = 0;
    Fixed marginTop = 0;
    Fixed marginBottom = 0;
    Fixed marginLeft = 0;
    Fixed marginRight = 0;
    int32_t columns = 1;
    Fixed gutter = 0;
    int32_t pagesInSpread = 1;
};

/// The wanted size for selection entry `choice` (1 to 13) and a reference of `reference`;
/// with `constrain`, the entry's proportion rule. A zero reference keeps the unconstrained size.
Size selectionFitTarget(int32_t choice, const PageGeometry& page, const Size& reference, bool constrain);

/// The wanted size for paper entry `choice` (1 to 6), or nothing outside the table.
Size paperFitTarget(int32_t choice);

/// The size line's text for a chosen entry: "Fit to Page", "Fit to US Letter"...; empty outside the lists.
std::string_view fitToLine(FitToEntries entries, int32_t choice);

/// Both entries must exceed about 1 % for the scaled size to be shown.
inline constexpr Fixed kSmallestShownFactor = 656;

} // namespace amplex::ui
