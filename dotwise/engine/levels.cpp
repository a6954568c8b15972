// Levels from indents and the indents of each shift.
#include "dotwise/engine/levels.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace dotwise {
namespace {

/// A deeper step never wraps round to a negative indent.
xt::Fixed addStep(xt::Fixed value, xt::Fixed step)
{
    const int64_t sum = static_cast<int64_t>(value) + step;
    return static_cast<xt::Fixed>(std::clamp<int64_t>(sum, std::numeric_limits<xt::Fixed>::min(), std::numeric_limits<xt::Fixed>::max()));
}

} // namespace

int16_t LevelForIndent(const ListSettings& settings, xt::Fixed indent)
{
    for (int16_t level = 0; level <= kMaxLevel; ++level) {
        if (indent > settings.leftIndent[level])
            continue;
        if (settings.autoIndent)
            return level;
        return level == kMaxLevel ? kMaxLevel : static_cast<int16_t>(level + 1);
    }
    return kMaxLevel;
}

ShiftedIndents shiftIndents(const ListSettings& settings, ShiftMode mode, xt::Fixed left, xt::Fixed right)
{
    int16_t level = LevelForIndent(settings, left);
    switch (mode) {
    case ShiftOut:
        if (level == 0)
            return {0, 0, level};
        --level;
        return {settings.leftIndent[level], settings.rightIndent[level], level};
    case ShiftIn:
    case ShiftForMarker:
        if (level == kMaxLevel) {
            return {addStep(left, settings.leftIndent[kMaxLevel] - settings.leftIndent[kMaxLevel - 1]),
                addStep(right, settings.rightIndent[kMaxLevel] - settings.rightIndent[kMaxLevel - 1]), level};
        }
        ++level;
        return {settings.leftIndent[level], settings.rightIndent[level], level};
    case ShiftToZero:
        return {0, 0, level};
    }
    return {left, right, level};
}

} // namespace dotwise
