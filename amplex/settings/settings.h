// Amplex's one settings record, ScaleSettings: its 192-byte layout, defaults and ranges.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "xtapi/types.h"

namespace amplex {

using xt::Fixed;

/// The record as it lies in memory and in every settings and preset file: 192 bytes,
/// little-endian, no header. Its field names are the contract's, so they keep their spelling.
struct ScaleSettings {
    uint8_t ScaleText;
    uint8_t ScaleLeading;
    uint8_t ScaleTabs;
    uint8_t ScaleGutters;
    uint8_t ScaleRunaround;
    uint8_t ScaleLines;
    uint8_t ScaleLineWeights;
    uint8_t ScalePictureBoxes;
    uint8_t ScaleGraphics;
    uint8_t ScaleBezierShapes;
    uint8_t ScaleStyleSheets;
    uint8_t ScaleGuides;
    uint8_t ScaleDocumentSize;
    uint8_t RoundFonts;
    uint8_t SizeWarnings;
    uint8_t KeepTextBoxesProportional;
    uint8_t KeepTextProportional;
    uint8_t reserved17[2];
    uint8_t KeepAnchoredProportional;
    uint8_t reserved20;
    uint8_t KeepLinesProportional;
    uint8_t KeepTextPathsProportional;
    uint8_t KeepPictureBoxesProportional;
    uint8_t KeepGraphicsProportional;
    uint8_t KeepAllProportional;
    uint8_t KeepBezierProportional;
    uint8_t reserved27[8];
    uint8_t ShowFitting;
    uint8_t ScaleDropShadows;
    uint8_t Constrain;
    int16_t FitToChoice;
    int16_t ScaleWhat;
    int16_t ScaleByPercent;
    int16_t ScaleFrom;
    uint8_t padding46[2];
    Fixed HorizontalFactor;
    Fixed VerticalFactor;
    Fixed StepFactor;
    Fixed HorizontalEntry;
    Fixed VerticalEntry;
    Fixed StepEntry;
    int16_t FitToListKind;
    uint8_t padding74[2];
    Fixed TargetWidth;
    Fixed TargetHeight;
    uint8_t FitTextRequest;
    uint8_t FitToBox;
    uint8_t FitTextSize;
    uint8_t FitLeading;
    uint8_t FitSpaceBefore;
    uint8_t FitSpaceAfter;
    uint8_t FitTracking;
    uint8_t FitHorizontalScale;
    uint8_t FitIndents;
    uint8_t FineTuneTextSize;
    uint8_t FineTuneLeading;
    uint8_t FineTuneSpaceBefore;
    uint8_t FineTuneSpaceAfter;
    uint8_t FineTuneTracking;
    uint8_t FineTuneHorizontalScale;
    uint8_t FineTuneIndents;
    Fixed TextSizeIncrement;
    Fixed LeadingIncrement;
    Fixed SpaceBeforeIncrement;
    Fixed SpaceAfterIncrement;
    Fixed TrackingIncrement;
    Fixed HorizontalScaleIncrement;
    Fixed IndentsIncrement;
    int32_t FitCommand;
    uint8_t FitPictureRequest;
    uint8_t ScaleAnchoredBoxes;
    uint8_t ScaleShadowOffsets;
    uint8_t reserved135[5];
    Fixed RoundFontsStep;
    uint8_t reserved144[48];
};

inline constexpr size_t kScaleSettingsSize = 192;

static_assert(sizeof(ScaleSettings) == kScaleSettingsSize);
static_assert(offsetof(ScaleSettings, ScaleText) == 0);
static_assert(offsetof(ScaleSettings, ScaleLeading) == 1);
static_assert(offsetof(ScaleSettings, ScaleTabs) == 2);
static_assert(offsetof(ScaleSettings, ScaleGutters) == 3);
static_assert(offsetof(ScaleSettings, ScaleRunaround) == 4);
static_assert(offsetof(ScaleSettings, ScaleLines) == 5);
static_assert(offsetof(ScaleSettings, ScaleLineWeights) == 6);
static_assert(offsetof(ScaleSettings, ScalePictureBoxes) == 7);
static_assert(offsetof(ScaleSettings, ScaleGraphics) == 8);
static_assert(offsetof(ScaleSettings, ScaleBezierShapes) == 9);
static_assert(offsetof(ScaleSettings, ScaleStyleSheets) == 10);
static_assert(offsetof(ScaleSettings, ScaleGuides) == 11);
static_assert(offsetof(ScaleSettings, ScaleDocumentSize) == 12);
static_assert(offsetof(ScaleSettings, RoundFonts) == 13);
static_assert(offsetof(ScaleSettings, SizeWarnings) == 14);
static_assert(offsetof(ScaleSettings, KeepTextBoxesProportional) == 15);
static_assert(offsetof(ScaleSettings, KeepTextProportional) == 16);
static_assert(offsetof(ScaleSettings, reserved17) == 17);
static_assert(offsetof(ScaleSettings, KeepAnchoredProportional) == 19);
static_assert(offsetof(ScaleSettings, reserved20) == 20);
static_assert(offsetof(ScaleSettings, KeepLinesProportional) == 21);
static_assert(offsetof(ScaleSettings, KeepTextPathsProportional) == 22);
static_assert(offsetof(ScaleSettings, KeepPictureBoxesProportional) == 23);
static_assert(offsetof(ScaleSettings, KeepGraphicsProportional) == 24);
static_assert(offsetof(ScaleSettings, KeepAllProportional) == 25);
static_assert(offsetof(ScaleSettings, KeepBezierProportional) == 26);
static_assert(offsetof(ScaleSettings, reserved27) == 27);
static_assert(offsetof(ScaleSettings, ShowFitting) == 35);
static_assert(offsetof(ScaleSettings, ScaleDropShadows) == 36);
static_assert(offsetof(ScaleSettings, Constrain) == 37);
static_assert(offsetof(ScaleSettings, FitToChoice) == 38);
static_assert(offsetof(ScaleSettings, ScaleWhat) == 40);
static_assert(offsetof(ScaleSettings, ScaleByPercent) == 42);
static_assert(offsetof(ScaleSettings, ScaleFrom) == 44);
static_assert(offsetof(ScaleSettings, padding46) == 46);
static_assert(offsetof(ScaleSettings, HorizontalFactor) == 48);
static_assert(offsetof(ScaleSettings, VerticalFactor) == 52);
static_assert(offsetof(ScaleSettings, StepFactor) == 56);
static_assert(offsetof(ScaleSettings, HorizontalEntry) == 60);
static_assert(offsetof(ScaleSettings, VerticalEntry) == 64);
static_assert(offsetof(ScaleSettings, StepEntry) == 68);
static_assert(offsetof(ScaleSettings, FitToListKind) == 72);
static_assert(offsetof(ScaleSettings, padding74) == 74);
static_assert(offsetof(ScaleSettings, TargetWidth) == 76);
static_assert(offsetof(ScaleSettings, TargetHeight) == 80);
static_assert(offsetof(ScaleSettings, FitTextRequest) == 84);
static_assert(offsetof(ScaleSettings, FitToBox) == 85);
static_assert(offsetof(ScaleSettings, FitTextSize) == 86);
static_assert(offsetof(ScaleSettings, FitLeading) == 87);
static_assert(offsetof(ScaleSettings, FitSpaceBefore) == 88);
static_assert(offsetof(ScaleSettings, FitSpaceAfter) == 89);
static_assert(offsetof(ScaleSettings, FitTracking) == 90);
static_assert(offsetof(ScaleSettings, FitHorizontalScale) == 91);
static_assert(offsetof(ScaleSettings, FitIndents) == 92);
static_assert(offsetof(ScaleSettings, FineTuneTextSize) == 93);
static_assert(offsetof(ScaleSettings, FineTuneLeading) == 94);
static_assert(offsetof(ScaleSettings, FineTuneSpaceBefore) == 95);
static_assert(offsetof(ScaleSettings, FineTuneSpaceAfter) == 96);
static_assert(offsetof(ScaleSettings, FineTuneTracking) == 97);
static_assert(offsetof(ScaleSettings, FineTuneHorizontalScale) == 98);
static_assert(offsetof(ScaleSettings, FineTuneIndents) == 99);
static_assert(offsetof(ScaleSettings, TextSizeIncrement) == 100);
static_assert(offsetof(ScaleSettings, LeadingIncrement) == 104);
static_assert(offsetof(ScaleSettings, SpaceBeforeIncrement) == 108);
static_assert(offsetof(ScaleSettings, SpaceAfterIncrement) == 112);
static_assert(offsetof(ScaleSettings, TrackingIncrement) == 116);
static_assert(offsetof(ScaleSettings, HorizontalScaleIncrement) == 120);
static_assert(offsetof(ScaleSettings, IndentsIncrement) == 124);
static_assert(offsetof(ScaleSettings, FitCommand) == 128);
static_assert(offsetof(ScaleSettings, FitPictureRequest) == 132);
static_assert(offsetof(ScaleSettings, ScaleAnchoredBoxes) == 133);
static_assert(offsetof(ScaleSettings, ScaleShadowOffsets) == 134);
static_assert(offsetof(ScaleSettings, reserved135) == 135);
static_assert(offsetof(ScaleSettings, RoundFontsStep) == 140);
static_assert(offsetof(ScaleSettings, reserved144) == 144);

/// `ScaleWhat`.
enum ScaleScope : int16_t { ScaleDocument = 0, ScaleSelectionOnly = 1, ScalePageRange = 2 };

/// `ScaleFrom`.
enum ScaleOriginChoice : int16_t {
    FromUpperLeftOfSelection = 0,
    FromCenterOfSelection = 1,
    FromUpperLeftOfItems = 2,
    FromCenterOfItems = 3,
};

/// `FitCommand`.
enum FitCommandChoice : int32_t {
    FitSelectionToBox = 1,
    FitStoryToBox = 2,
    FitBoxToSelection = 3,
    FitBoxToStory = 4,
};

/// A preset offers itself to "Fit to" lists only up to this many presets.
inline constexpr int16_t kMaxFitToPresets = 400;
/// The longest "Fit to" list: the 13 selection entries, then the presets offered for selections.
inline constexpr int16_t kMaxFitToChoice = 13 + kMaxFitToPresets;

/// The record a fresh load starts from: every field at its default, the reserved bytes 0.
ScaleSettings defaultSettings();

/// The plug-in's one live record; readers and writers use it when given no record.
ScaleSettings& currentSettings();

/// Writes the defaults into every field of the live record except `KeepTextBoxesProportional`
/// and `KeepAllProportional`; reserved and padding bytes are left as they are.
void InitDefaultSettings();

/// Level-200 start: clears the keep-proportional bytes 15 to 25, then writes the defaults.
void resetSettingsAtStartup();

/// Puts back the default of every field whose value breaks its range (a flag other than 0 or 1,
/// a choice outside its list, a step of 0, reserved bytes not 0). Returns how many fields it reset.
int resetFieldsOutOfRange(ScaleSettings& settings);

/// The record's bytes, as they go to and come from a file.
std::span<const std::byte, kScaleSettingsSize> bytesOf(const ScaleSettings& settings);

} // namespace amplex
