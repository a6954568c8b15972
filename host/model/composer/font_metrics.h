// The composer's fixed font metrics: per-character advance widths as a fraction of the point size,
// and ascent and descent, in three sets that every font family uses one of, so that layout never
// depends on the machine.
#pragma once

#include <cstdint>

namespace host::model {

/// Widths and heights in thousandths of an em.
struct FontMetrics {
    const char* name;
    int32_t ascent;
    int32_t descent;
    const int16_t* printableWidths; // characters 32 to 126; null: every character has `defaultWidth`
    int32_t defaultWidth;
};

/// The ids of the families set in each metric set first: "Times", "Helvetica" and "Courier".
inline constexpr int16_t kSerifFont = 1;
inline constexpr int16_t kSansFont = 2;
inline constexpr int16_t kMonoFont = 3;

/// The metrics of a font id (its family's set); an unknown id gets the serif set.
const FontMetrics& fontMetrics(int16_t font);

/// The advance of one character in thousandths of an em. Paragraph ends and the anchor character
/// take no width; tabs are measured by the line breaker.
int32_t characterWidth(const FontMetrics& metrics, char16_t c);

} // namespace host::model
