// List levels from indents, and the indents a level shift gives. Pure functions of the settings.
#pragma once

#include <cstdint>

#include "dotwise/settings/list_settings.h"

namespace dotwise {

enum ShiftMode : int16_t {
    ShiftOut = 0,        // one level shallower; level 0 has no indents
    ShiftIn = 1,         // one level deeper; past level 4 by level 4's step again
    ShiftForMarker = 2,  // as ShiftIn, but only with Auto indent on
    ShiftToZero = 3,     // no indents, the level kept
};

/// The level of a paragraph with this left indent: the first level whose indent is not smaller (with
/// Auto indent off one deeper, at most 4); 4 past every level.
int16_t LevelForIndent(const ListSettings& settings, xt::Fixed indent);

struct ShiftedIndents {
    xt::Fixed left;
    xt::Fixed right;
    int16_t level;  // whose style override applies
};

/// What a shift makes of a paragraph with indents `left` and `right`.
ShiftedIndents shiftIndents(const ListSettings& settings, ShiftMode mode, xt::Fixed left, xt::Fixed right);

} // namespace dotwise
