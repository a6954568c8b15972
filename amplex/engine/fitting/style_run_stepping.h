// One step of text fitting on the selected text: each enabled attribute multiplied up or down.
#pragma once

#include <cstdint>

#include "amplex/settings/settings.h"

namespace amplex {

enum class StepDirection : uint8_t { Shrink = 0, Grow = 1 };
enum class StepSize : uint8_t { Coarse = 0, Fine = 1 };
enum class AttributeLevel : uint8_t { Character = 0, Paragraph = 1 };

/// Steps the attributes of the story's current selection once: the character attributes (size,
/// tracking, horizontal scale) or the paragraph attributes (leading, spacing, indents), each one
/// whose Text Fit switch is on (and, in a fine step, whose fine-tune switch is on too).
void StepRunAttributes(int32_t story, StepDirection direction, StepSize size, AttributeLevel level);

/// The factor of a step: 5 % coarse, 1 % fine.
Fixed stepFactor(StepDirection direction, StepSize size);

/// `old` times the factor; a coarse step snaps the result to the nearest multiple of `increment`,
/// rounding the size of the value so that negative values move like positive ones. An increment of
/// 0 or less leaves the product unrounded.
Fixed steppedValue(Fixed old, StepDirection direction, StepSize size, Fixed increment);

/// True when any of the seven fine-tune switches is on: the fitters then run their fine phases.
bool anyFineTune(const ScaleSettings& settings);

} // namespace amplex
