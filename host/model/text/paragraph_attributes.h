// The attributes a paragraph run carries (indents, leading, spacing, alignment, rules, tabs) and their
// access by the contract's paragraph codes.
#pragma once

#include <cstdint>
#include <optional>

#include "host/model/text/tab_stops.h"
#include "xtapi/colour_records.h"
#include "xtapi/text_records.h"
#include "xtapi/types.h"

namespace host::model {

struct ParagraphRule {
    bool on = false;
    bool offsetIsPercent = false;
    xt::Fixed weight = xt::kFixedOne;
    int16_t style = 0;
    int16_t colour = xt::kBlackColour; // a number of the layout's colour table
    xt::Fixed shade = xt::kFixedOne;
    xt::Fixed leftIndent = 0;
    xt::Fixed rightIndent = 0;
    xt::Fixed offset = 0;

    bool operator==(const ParagraphRule&) const = default;
};

enum class Alignment : int16_t { Left = 0, Centre = 1, Right = 2, Justified = 3 };

struct ParagraphAttributes {
    xt::Fixed leftIndent = 0;
    xt::Fixed firstLineIndent = 0;
    xt::Fixed rightIndent = 0;
    xt::Fixed leading = 0; // 0 = auto
    xt::Fixed spaceBefore = 0;
    xt::Fixed spaceAfter = 0;
    Alignment alignment = Alignment::Left;
    ParagraphRule ruleAbove;
    ParagraphRule ruleBelow;
    TabStops tabs;

    bool operator==(const ParagraphAttributes&) const = default;
};

/// True for a code that names one paragraph attribute with a number value (not 0, not the tabs).
bool isParagraphValueCode(int32_t code);

/// The value of a code that isParagraphValueCode accepts.
xt::Fixed paragraphValue(const ParagraphAttributes& attributes, int32_t code);
void setParagraphValue(ParagraphAttributes& attributes, int32_t code, xt::Fixed value);

/// The record GetTextRunAttribute fills for code 0; the tab reference is the caller's.
xt::ParagraphRecord paragraphRecord(const ParagraphAttributes& attributes, int32_t tabReference);

} // namespace host::model
