// The live ScaleSettings record, its defaults and the range of every field.
#include "amplex/settings/settings.h"

#include <cstring>
#include <limits>

namespace amplex {
namespace {

constexpr int32_t kFixedMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kFixedMin = std::numeric_limits<int32_t>::min();

constexpr ScaleSettings makeDefaults()
{
    ScaleSettings s{};  // reserved and padding bytes stay 0
    s.ScaleText = 1;
    s.ScaleLeading = 1;
    s.ScaleTabs = 1;
    s.ScaleGutters = 1;
    s.ScaleRunaround = 1;
    s.ScaleLines = 1;
    s.ScaleLineWeights = 1;
    s.ScalePictureBoxes = 1;
    s.ScaleGraphics = 1;
    s.ScaleBezierShapes = 1;
    s.ScaleStyleSheets = 1;
    s.ScaleGuides = 1;
    s.ScaleDocumentSize = 1;
    s.KeepTextProportional = 1;
    s.KeepAnchoredProportional = 1;
    s.KeepGraphicsProportional = 1;
    s.ShowFitting = 1;
    s.ScaleDropShadows = 1;
    s.Constrain = 1;
    s.ScaleWhat = ScaleSelectionOnly;
    s.ScaleByPercent = 1;
    s.ScaleFrom = FromUpperLeftOfSelection;
    s.HorizontalFactor = 0xC000;
    s.VerticalFactor = 0xC000;
    s.HorizontalEntry = 0xC000;
    s.VerticalEntry = 0xC000;
    s.FitToBox = 1;
    s.FitTextSize = 1;
    s.FitLeading = 1;
    s.FitSpaceBefore = 1;
    s.FitSpaceAfter = 1;
    s.FineTuneLeading = 1;
    s.FineTuneSpaceBefore = 1;
    s.FineTuneSpaceAfter = 1;
    s.TextSizeIncrement = 0x4000;
    s.LeadingIncrement = 0x8000;
    s.SpaceBeforeIncrement = 0x8000;
    s.SpaceAfterIncrement = 0x8000;
    s.TrackingIncrement = 0x10000;
    s.HorizontalScaleIncrement = 0x28F;
    s.IndentsIncrement = 0x8000;
    s.FitCommand = FitSelectionToBox;
    s.ScaleAnchoredBoxes = 1;
    s.ScaleShadowOffsets = 1;
    s.RoundFontsStep = 0x8000;
    return s;
}

constexpr ScaleSettings kDefaults = makeDefaults();

/// A field's place and the values it may hold. Reserved and padding bytes must all be 0.
struct FieldRule {
    enum Kind : uint8_t { Value, ZeroBytes } kind;
    uint16_t offset;
    uint8_t size;
    int32_t min;
    int32_t max;
};

#define AMPLEX_FLAG(field) {FieldRule::Value, offsetof(ScaleSettings, field), 1, 0, 1}
#define AMPLEX_RANGE(field, lo, hi) \
    {FieldRule::Value, offsetof(ScaleSettings, field), sizeof(ScaleSettings::field), lo, hi}
#define AMPLEX_ZERO(field) {FieldRule::ZeroBytes, offsetof(ScaleSettings, field), sizeof(ScaleSettings::field), 0, 0}

constexpr FieldRule kFieldRules[] = {
    AMPLEX_FLAG(ScaleText),
    AMPLEX_FLAG(ScaleLeading),
    AMPLEX_FLAG(ScaleTabs),
    AMPLEX_FLAG(ScaleGutters),
    AMPLEX_FLAG(ScaleRunaround),
    AMPLEX_FLAG(ScaleLines),
    AMPLEX_FLAG(ScaleLineWeights),
    AMPLEX_FLAG(ScalePictureBoxes),
    AMPLEX_FLAG(ScaleGraphics),
    AMPLEX_FLAG(ScaleBezierShapes),
    AMPLEX_FLAG(ScaleStyleSheets),
    AMPLEX_FLAG(ScaleGuides),
    AMPLEX_FLAG(ScaleDocumentSize),
    AMPLEX_FLAG(RoundFonts),
    AMPLEX_FLAG(SizeWarnings),
    AMPLEX_FLAG(KeepTextBoxesProportional),
    AMPLEX_FLAG(KeepTextProportional),
    AMPLEX_ZERO(reserved17),
    AMPLEX_FLAG(KeepAnchoredProportional),
    AMPLEX_ZERO(reserved20),
    AMPLEX_FLAG(KeepLinesProportional),
    AMPLEX_FLAG(KeepTextPathsProportional),
    AMPLEX_FLAG(KeepPictureBoxesProportional),
    AMPLEX_FLAG(KeepGraphicsProportional),
    AMPLEX_FLAG(KeepAllProportional),
    AMPLEX_FLAG(KeepBezierProportional),
    AMPLEX_ZERO(reserved27),
    AMPLEX_FLAG(ShowFitting),
    AMPLEX_FLAG(ScaleDropShadows),
    AMPLEX_FLAG(Constrain),
    AMPLEX_RANGE(FitToChoice, 0, kMaxFitToChoice),
    AMPLEX_RANGE(ScaleWhat, ScaleDocument, ScalePageRange),
    AMPLEX_RANGE(ScaleByPercent, 0, 1),
    AMPLEX_RANGE(ScaleFrom, FromUpperLeftOfSelection, FromCenterOfItems),
    AMPLEX_ZERO(padding46),
    // The dialog accepts any factor and the commands refuse the unusable ones, so a file may too.
    AMPLEX_RANGE(HorizontalFactor, kFixedMin, kFixedMax),
    AMPLEX_RANGE(VerticalFactor, kFixedMin, kFixedMax),
    AMPLEX_RANGE(StepFactor, kFixedMin, kFixedMax),
    AMPLEX_RANGE(HorizontalEntry, kFixedMin, kFixedMax),
    AMPLEX_RANGE(VerticalEntry, kFixedMin, kFixedMax),
    AMPLEX_RANGE(StepEntry, kFixedMin, kFixedMax),
    AMPLEX_RANGE(FitToListKind, 0, 2),
    AMPLEX_ZERO(padding74),
    AMPLEX_RANGE(TargetWidth, 0, kFixedMax),
    AMPLEX_RANGE(TargetHeight, 0, kFixedMax),
    AMPLEX_FLAG(FitTextRequest),
    AMPLEX_FLAG(FitToBox),
    AMPLEX_FLAG(FitTextSize),
    AMPLEX_FLAG(FitLeading),
    AMPLEX_FLAG(FitSpaceBefore),
    AMPLEX_FLAG(FitSpaceAfter),
    AMPLEX_FLAG(FitTracking),
    AMPLEX_FLAG(FitHorizontalScale),
    AMPLEX_FLAG(FitIndents),
    AMPLEX_FLAG(FineTuneTextSize),
    AMPLEX_FLAG(FineTuneLeading),
    AMPLEX_FLAG(FineTuneSpaceBefore),
    AMPLEX_FLAG(FineTuneSpaceAfter),
    AMPLEX_FLAG(FineTuneTracking),
    AMPLEX_FLAG(FineTuneHorizontalScale),
    AMPLEX_FLAG(FineTuneIndents),
    // Fitting rounds to these steps, so none may be 0.
    AMPLEX_RANGE(TextSizeIncrement, 1, kFixedMax),
    AMPLEX_RANGE(LeadingIncrement, 1, kFixedMax),
    AMPLEX_RANGE(SpaceBeforeIncrement, 1, kFixedMax),
    AMPLEX_RANGE(SpaceAfterIncrement, 1, kFixedMax),
    AMPLEX_RANGE(TrackingIncrement, 1, kFixedMax),
    AMPLEX_RANGE(HorizontalScaleIncrement, 1, kFixedMax),
    AMPLEX_RANGE(IndentsIncrement, 1, kFixedMax),
    AMPLEX_RANGE(FitCommand, FitSelectionToBox, FitBoxToStory),
    AMPLEX_FLAG(FitPictureRequest),
    AMPLEX_FLAG(ScaleAnchoredBoxes),
    AMPLEX_FLAG(ScaleShadowOffsets),
    AMPLEX_ZERO(reserved135),
    AMPLEX_RANGE(RoundFontsStep, 1, kFixedMax),
    AMPLEX_ZERO(reserved144),
};

#undef AMPLEX_FLAG
#undef AMPLEX_RANGE
#undef AMPLEX_ZERO

constexpr bool rulesCoverEveryByteOnce()
{
    size_t next = 0;
    for (const auto& rule : kFieldRules) {
        if (rule.offset != next)
            return false;
        next += rule.size;
    }
    return next == kScaleSettingsSize;
}
static_assert(rulesCoverEveryByteOnce(), "every byte of ScaleSettings has exactly one rule, in order");

int32_t valueAt(const unsigned char* bytes, const FieldRule& rule)
{
    switch (rule.size) {
    case 1:
        return bytes[rule.offset];
    case 2: {
        int16_t value;
        std::memcpy(&value, bytes + rule.offset, sizeof value);
        return value;
    }
    default: {
        int32_t value;
        std::memcpy(&value, bytes + rule.offset, sizeof value);
        return value;
    }
    }
}

bool breaksRule(const unsigned char* bytes, const FieldRule& rule)
{
    if (rule.kind == FieldRule::ZeroBytes) {
        for (size_t i = 0; i < rule.size; ++i) {
            if (bytes[rule.offset + i] != 0)
                return true;
        }
        return false;
    }
    const int32_t value = valueAt(bytes, rule);
    return value < rule.min || value > rule.max;
}

void copyDefault(ScaleSettings& settings, const FieldRule& rule)
{
    std::memcpy(reinterpret_cast<unsigned char*>(&settings) + rule.offset,
        reinterpret_cast<const unsigned char*>(&kDefaults) + rule.offset, rule.size);
}

ScaleSettings g_current{};

} // namespace

ScaleSettings defaultSettings()
{
    return kDefaults;
}

ScaleSettings& currentSettings()
{
    return g_current;
}

void InitDefaultSettings()
{
    for (const auto& rule : kFieldRules) {
        if (rule.kind == FieldRule::ZeroBytes)
            continue;
        if (rule.offset == offsetof(ScaleSettings, KeepTextBoxesProportional)
            || rule.offset == offsetof(ScaleSettings, KeepAllProportional))
            continue;
        copyDefault(g_current, rule);
    }
}

void resetSettingsAtStartup()
{
    auto* bytes = reinterpret_cast<unsigned char*>(&g_current);
    const size_t first = offsetof(ScaleSettings, KeepTextBoxesProportional);
    const size_t last = offsetof(ScaleSettings, KeepAllProportional);
    std::memset(bytes + first, 0, last - first + 1);
    InitDefaultSettings();
}

int resetFieldsOutOfRange(ScaleSettings& settings)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(&settings);
    int reset = 0;
    for (const auto& rule : kFieldRules) {
        if (!breaksRule(bytes, rule))
            continue;
        copyDefault(settings, rule);
        ++reset;
    }
    return reset;
}

std::span<const std::byte, kScaleSettingsSize> bytesOf(const ScaleSettings& settings)
{
    return std::as_bytes(std::span<const ScaleSettings, 1>(&settings, 1));
}

} // namespace amplex
