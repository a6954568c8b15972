// The attributes a character run carries, and their access by the contract's attribute codes.
#pragma once

#include <cstdint>
#include <optional>

#include "xtapi/colour_records.h"
#include "xtapi/text_records.h"
#include "xtapi/types.h"

namespace host::model {

struct CharacterAttributes {
    int16_t font = 1;
    uint16_t style = 0;
    xt::Fixed size = 12 * xt::kFixedOne;
    xt::Fixed horizontalScale = xt::kFixedOne;
    xt::Fixed verticalScale = xt::kFixedOne;
    int16_t colour = xt::kBlackColour; // a number of the layout's colour table
    xt::Fixed shade = xt::kFixedOne;
    xt::Fixed baselineShift = 0;
    xt::Fixed tracking = 0;
    xt::Fixed leading = 0; // 0 = auto
    bool widthLocked = false;

    bool operator==(const CharacterAttributes&) const = default;
};

/// The attribute a code names: n and -(100 + n) are the same attribute. Empty for an unknown code
/// (code 0, the whole record, is not a single attribute).
std::optional<xt::CharacterCode> characterCodeOf(int32_t code);

xt::Fixed characterValue(const CharacterAttributes& attributes, xt::CharacterCode code);
void setCharacterValue(CharacterAttributes& attributes, xt::CharacterCode code, xt::Fixed value);

/// The record GetTextValue691 fills for code 0.
xt::CharacterRecord characterRecord(const CharacterAttributes& attributes);

} // namespace host::model
