// The metrics table: a serif and a sans font with proportional widths, and a monospaced font whose
// every character is half an em wide (handy for working out a layout by hand).
#include "host/model/composer/font_metrics.h"

#include <array>

#include "host/model/fonts/font_families.h"
#include "xtapi/text_records.h"

namespace host::model {
namespace {

constexpr int16_t kSerifWidths[95] = {
    250, 333, 408, 500, 500, 833, 778, 180, 333, 333, 500, 564, 250, 333, 250, 278, // space to /
    500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 278, 278, 564, 564, 564, 444, // 0 to ?
    921, 722, 667, 667, 722, 611, 556, 722, 722, 333, 389, 722, 611, 889, 722, 722, // @ to O
    556, 722, 667, 556, 611, 722, 722, 944, 722, 722, 611, 333, 278, 333, 469, 500, // P to _
    333, 444, 500, 444, 500, 444, 333, 500, 500, 278, 278, 500, 278, 778, 500, 500, // ` to o
    500, 500, 333, 389, 278, 500, 500, 722, 500, 500, 444, 480, 200, 480, 541,      // p to ~
};

constexpr int16_t kSansWidths[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, // space to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, // 0 to ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // @ to O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, // P to _
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, // ` to o
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,      // p to ~
};

/// By MetricSet.
const std::array<FontMetrics, 3> kFonts{{
    {"Serif", 700, 220, kSerifWidths, 500},
    {"Sans", 720, 210, kSansWidths, 556},
    {"Mono", 700, 200, nullptr, 500},
}};

} // namespace

const FontMetrics& fontMetrics(int16_t font)
{
    const FontFamily* family = findFontFamily(font);
    return kFonts[static_cast<size_t>(family ? family->metrics : MetricSet::Serif)];
}

int32_t characterWidth(const FontMetrics& metrics, char16_t c)
{
    if (xt::isParagraphEnd(c) || c == xt::kAnchorCharacter)
        return 0;
    if (!metrics.printableWidths || c < 32 || c > 126)
        return metrics.defaultWidth;
    return metrics.printableWidths[c - 32];
}

} // namespace host::model
