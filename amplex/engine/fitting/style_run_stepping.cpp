// One step of text fitting: the attributes of the selected text, multiplied and snapped.
#include "amplex/engine/fitting/style_run_stepping.h"

#include <array>
#include <optional>

#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/numbers/fixed_math.h"
#include "xtapi/text_records.h"

namespace amplex {
namespace {

constexpr Fixed kCoarseGrow = 0x10CCC;
constexpr Fixed kCoarseShrink = 0xF333;
constexpr Fixed kFineGrow = 0x1028F;
constexpr Fixed kFineShrink = 0xFD70;

/// Sizes that the host reports when it has no size to give.
constexpr Fixed kNoSizeValues[] = {static_cast<Fixed>(0x80000000), xt::kMixedValue, 0xFF};

/// What a step does with a value of 0.
enum class ZeroRule : uint8_t {
    Leave,         // 0 stays 0
    SeedSigned,    // a coarse step starts from one increment in the step's direction (tracking)
    SeedOnGrow,    // a coarse grow starts from one increment (spacing, indents)
    AutoLeading,   // 0 is auto leading: start from the leading it stands for
};

struct FitAttribute {
    int32_t code;
    uint8_t ScaleSettings::*fit;
    uint8_t ScaleSettings::*fineTune;
    Fixed ScaleSettings::*increment;
    ZeroRule zero;
    bool positiveOnly; // negative values are left alone
};

constexpr std::array kCharacterAttributes{
    FitAttribute{xt::kCharSize, &ScaleSettings::FitTextSize, &ScaleSettings::FineTuneTextSize,
        &ScaleSettings::TextSizeIncrement, ZeroRule::Leave, true},
    FitAttribute{xt::kCharTracking, &ScaleSettings::FitTracking, &ScaleSettings::FineTuneTracking,
        &ScaleSettings::TrackingIncrement, ZeroRule::SeedSigned, false},
    FitAttribute{xt::kCharHorizontalScale, &ScaleSettings::FitHorizontalScale,
        &ScaleSettings::FineTuneHorizontalScale, &ScaleSettings::HorizontalScaleIncrement, ZeroRule::Leave, true},
};

constexpr std::array kParagraphAttributes{
    FitAttribute{xt::kParaLeading, &ScaleSettings::FitLeading, &ScaleSettings::FineTuneLeading,
        &ScaleSettings::LeadingIncrement, ZeroRule::AutoLeading, true},
    FitAttribute{xt::kParaSpaceBefore, &ScaleSettings::FitSpaceBefore, &ScaleSettings::FineTuneSpaceBefore,
        &ScaleSettings::SpaceBeforeIncrement, ZeroRule::SeedOnGrow, true},
    FitAttribute{xt::kParaSpaceAfter, &ScaleSettings::FitSpaceAfter, &ScaleSettings::FineTuneSpaceAfter,
        &ScaleSettings::SpaceAfterIncrement, ZeroRule::SeedOnGrow, true},
    FitAttribute{xt::kParaLeftIndent, &ScaleSettings::FitIndents, &ScaleSettings::FineTuneIndents,
        &ScaleSettings::IndentsIncrement, ZeroRule::SeedOnGrow, false},
    FitAttribute{xt::kParaFirstLineIndent, &ScaleSettings::FitIndents, &ScaleSettings::FineTuneIndents,
        &ScaleSettings::IndentsIncrement, ZeroRule::SeedOnGrow, false},
    FitAttribute{xt::kParaRightIndent, &ScaleSettings::FitIndents, &ScaleSettings::FineTuneIndents,
        &ScaleSettings::IndentsIncrement, ZeroRule::SeedOnGrow, false},
};

bool takesPart(const FitAttribute& attribute, const ScaleSettings& settings, StepSize size)
{
    if (!(settings.*attribute.fit))
        return false;
    return size == StepSize::Coarse || settings.*attribute.fineTune;
}

/// The leading that auto leading stands for in the selection, or 0 when the size is unknown.
Fixed autoLeading(int32_t story)
{
    const Fixed size = xt::calls::GetTextValue691(story, xt::kCharSize, nullptr, 0);
    for (const Fixed none : kNoSizeValues) {
        if (size == none) {
            // One style run at a time is selected: it has a size, unless the host failed to give it.
            foundation::noteHostFailure();
            return 0;
        }
    }
    int16_t id = -1;
    xt::calls::GetCurrentDocument(&id);
    Fixed fraction = 0;
    foundation::reportHostResult(xt::calls::GetAutoLeadingFactor(xt::calls::GetDocumentRef(id), &fraction));
    return size + xt::calls::FixedMultiply(size, fraction);
}

/// The value the step starts from in place of 0; 0 when 0 stays.
Fixed seedForZero(const FitAttribute& attribute, Fixed increment, StepDirection direction, StepSize size,
    int32_t story)
{
    const bool coarse = size == StepSize::Coarse;
    switch (attribute.zero) {
    case ZeroRule::Leave:
        return 0;
    case ZeroRule::SeedSigned:
        if (!coarse)
            return 0;
        return direction == StepDirection::Grow ? increment : -increment;
    case ZeroRule::SeedOnGrow:
        return coarse && direction == StepDirection::Grow ? increment : 0;
    case ZeroRule::AutoLeading:
        return autoLeading(story);
    }
    return 0;
}

/// The stepped value, or nothing when the attribute keeps its value.
bool stepOne(const FitAttribute& attribute, Fixed old, StepDirection direction, StepSize size, int32_t story,
    Fixed& stepped)
{
    if (old == xt::kMixedValue)
        return false;
    const Fixed increment = currentSettings().*attribute.increment;
    if (old == 0)
        old = seedForZero(attribute, increment, direction, size, story);
    if (old == 0 || (attribute.positiveOnly && old < 0))
        return false;
    stepped = steppedValue(old, direction, size, increment);
    return true;
}

void writeCharacterValue(int32_t code, Fixed value)
{
    int32_t box = 0;
    xt::calls::GetCurrentBox(&box);
    if (xt::calls::IsTextBox(box) == 0)
        return;
    int32_t text = 0;
    if (xt::calls::GetBoxTextInfo(box, &text, nullptr, nullptr, nullptr) != 0)
        return;
    xt::calls::SetStoryValue3094(text, code, value);
}

void stepCharacters(int32_t story, StepDirection direction, StepSize size)
{
    const ScaleSettings& settings = currentSettings();
    for (const FitAttribute& attribute : kCharacterAttributes) {
        if (!takesPart(attribute, settings, size))
            continue;
        const Fixed old = xt::calls::GetTextValue691(story, attribute.code, nullptr, 0);
        // The fitter selects one style run at a time, whose characters share their values: "mixed" is a
        // value the host failed to read.
        if (old == xt::kMixedValue)
            foundation::noteHostFailure();
        Fixed stepped = 0;
        if (stepOne(attribute, old, direction, size, story, stepped))
            writeCharacterValue(attribute.code, stepped);
    }
}

struct Selection {
    int32_t start = 0;
    int32_t end = 0;
};

/// The selection's paragraphs, or empty when the host cannot say which they are.
std::optional<Selection> paragraphSelection(int32_t story)
{
    Selection selection;
    if (xt::calls::GetTextSelection(story, &selection.start, &selection.end, 0) != 0)
        return std::nullopt;
    return selection;
}

/// Empty when the host gives no value: a 0 in its place would be stepped up from the increment.
std::optional<Fixed> readParagraphValue(int32_t story, int32_t code)
{
    const auto selection = paragraphSelection(story);
    if (!selection)
        return std::nullopt;
    Fixed value = 0;
    if (xt::calls::GetTextRunAttribute(story, selection->start, selection->end, code, nullptr, &value) != 0)
        return std::nullopt;
    return value;
}

void writeParagraphValue(int32_t story, int32_t code, Fixed value)
{
    if (story == 0)
        return;
    if (const auto selection = paragraphSelection(story))
        xt::calls::SetTextRunAttribute(story, selection->start, selection->end, code, value, 0);
}

void stepParagraphs(int32_t story, StepDirection direction, StepSize size)
{
    const ScaleSettings& settings = currentSettings();
    for (const FitAttribute& attribute : kParagraphAttributes) {
        if (!takesPart(attribute, settings, size))
            continue;
        const auto old = readParagraphValue(story, attribute.code);
        Fixed stepped = 0;
        if (old && stepOne(attribute, *old, direction, size, story, stepped))
            writeParagraphValue(story, attribute.code, stepped);
    }
}

} // namespace

Fixed stepFactor(StepDirection direction, StepSize size)
{
    const bool grow = direction == StepDirection::Grow;
    if (size == StepSize::Fine)
        return grow ? kFineGrow : kFineShrink;
    return grow ? kCoarseGrow : kCoarseShrink;
}

Fixed steppedValue(Fixed old, StepDirection direction, StepSize size, Fixed increment)
{
    const Fixed product = xt::calls::FixedMultiply(old, stepFactor(direction, size));
    if (size == StepSize::Fine || increment <= 0)
        return product;
    // Rounding the size keeps the step symmetric: -10.5 pt grows to -11 pt as 10.5 pt grows to 11 pt.
    const Fixed magnitude = foundation::RoundToMultiple(foundation::FixedAbs(product), increment);
    return product < 0 ? -magnitude : magnitude;
}

bool anyFineTune(const ScaleSettings& s)
{
    return s.FineTuneTextSize || s.FineTuneLeading || s.FineTuneSpaceBefore || s.FineTuneSpaceAfter
        || s.FineTuneTracking || s.FineTuneHorizontalScale || s.FineTuneIndents;
}

void StepRunAttributes(int32_t story, StepDirection direction, StepSize size, AttributeLevel level)
{
    if (level == AttributeLevel::Character)
        stepCharacters(story, direction, size);
    else
        stepParagraphs(story, direction, size);
}

} // namespace amplex
