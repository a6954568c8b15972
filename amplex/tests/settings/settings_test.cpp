// ScaleSettings: the defaults a fresh load shows and the reset of fields out of their range.
#include <gtest/gtest.h>

#include "amplex/settings/settings.h"

namespace amplex {
namespace {

TEST(ScaleSettings, FreshLoadShowsTheDefaults)
{
    currentSettings() = ScaleSettings{};
    currentSettings().KeepTextBoxesProportional = 1;
    currentSettings().KeepAllProportional = 1;
    resetSettingsAtStartup();
    const ScaleSettings& s = currentSettings();
    EXPECT_EQ(s.HorizontalFactor, 0xC000);  // 75 %
    EXPECT_EQ(s.VerticalFactor, 0xC000);
    EXPECT_EQ(s.ScaleWhat, ScaleSelectionOnly);
    EXPECT_EQ(s.ScaleByPercent, 1);
    EXPECT_EQ(s.Constrain, 1);
    EXPECT_EQ(s.ScaleFrom, FromUpperLeftOfSelection);
    EXPECT_EQ(s.FitCommand, FitSelectionToBox);
    const Fixed increments[] = {s.TextSizeIncrement, s.LeadingIncrement, s.SpaceBeforeIncrement,
        s.SpaceAfterIncrement, s.TrackingIncrement, s.HorizontalScaleIncrement, s.IndentsIncrement};
    const Fixed expected[] = {0x4000, 0x8000, 0x8000, 0x8000, 0x10000, 0x28F, 0x8000};
    for (size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(increments[i], expected[i]) << "increment " << i;
    const uint8_t kinds[] = {s.ScaleText, s.ScaleLeading, s.ScaleTabs, s.ScaleGutters, s.ScaleRunaround,
        s.ScaleLines, s.ScaleLineWeights, s.ScalePictureBoxes, s.ScaleGraphics, s.ScaleBezierShapes};
    for (uint8_t kind : kinds)
        EXPECT_EQ(kind, 1);
    // The keep-proportional bytes are cleared first, so the two flags Init leaves alone start at 0.
    EXPECT_EQ(s.KeepTextBoxesProportional, 0);
    EXPECT_EQ(s.KeepAllProportional, 0);
    EXPECT_EQ(s.reserved17[0], 0);
    EXPECT_EQ(s.reserved20, 0);
}

TEST(ScaleSettings, InitDefaultsLeavesTheTwoKeepFlagsAndReservedBytes)
{
    currentSettings() = defaultSettings();
    currentSettings().KeepTextBoxesProportional = 1;
    currentSettings().KeepAllProportional = 1;
    currentSettings().HorizontalFactor = 0x20000;
    currentSettings().reserved144[3] = 7;
    InitDefaultSettings();
    EXPECT_EQ(currentSettings().KeepTextBoxesProportional, 1);
    EXPECT_EQ(currentSettings().KeepAllProportional, 1);
    EXPECT_EQ(currentSettings().HorizontalFactor, 0xC000);
    EXPECT_EQ(currentSettings().reserved144[3], 7);
    currentSettings() = defaultSettings();
}

TEST(ScaleSettings, DefaultsAreWithinEveryRange)
{
    ScaleSettings s = defaultSettings();
    EXPECT_EQ(resetFieldsOutOfRange(s), 0);
}

struct RangeCase {
    const char* what;
    void (*damage)(ScaleSettings&);
    bool (*isDefault)(const ScaleSettings&);
};

const RangeCase kRangeCases[] = {
    {"FitCommand 0", [](ScaleSettings& s) { s.FitCommand = 0; }, [](const ScaleSettings& s) { return s.FitCommand == 1; }},
    {"FitCommand 5", [](ScaleSettings& s) { s.FitCommand = 5; }, [](const ScaleSettings& s) { return s.FitCommand == 1; }},
    {"ScaleFrom 4", [](ScaleSettings& s) { s.ScaleFrom = 4; }, [](const ScaleSettings& s) { return s.ScaleFrom == 0; }},
    {"ScaleFrom -1", [](ScaleSettings& s) { s.ScaleFrom = -1; }, [](const ScaleSettings& s) { return s.ScaleFrom == 0; }},
    {"ScaleWhat 3", [](ScaleSettings& s) { s.ScaleWhat = 3; }, [](const ScaleSettings& s) { return s.ScaleWhat == 1; }},
    {"ScaleByPercent 2", [](ScaleSettings& s) { s.ScaleByPercent = 2; }, [](const ScaleSettings& s) { return s.ScaleByPercent == 1; }},
    {"FitToChoice -1", [](ScaleSettings& s) { s.FitToChoice = -1; }, [](const ScaleSettings& s) { return s.FitToChoice == 0; }},
    {"FitToChoice past the longest list", [](ScaleSettings& s) { s.FitToChoice = kMaxFitToChoice + 1; },
        [](const ScaleSettings& s) { return s.FitToChoice == 0; }},
    {"FitToListKind 3", [](ScaleSettings& s) { s.FitToListKind = 3; }, [](const ScaleSettings& s) { return s.FitToListKind == 0; }},
    {"a flag of 2", [](ScaleSettings& s) { s.ScaleGuides = 2; }, [](const ScaleSettings& s) { return s.ScaleGuides == 1; }},
    {"a flag of 0xFF", [](ScaleSettings& s) { s.KeepBezierProportional = 0xFF; },
        [](const ScaleSettings& s) { return s.KeepBezierProportional == 0; }},
    {"a step of 0", [](ScaleSettings& s) { s.RoundFontsStep = 0; }, [](const ScaleSettings& s) { return s.RoundFontsStep == 0x8000; }},
    {"a negative increment", [](ScaleSettings& s) { s.LeadingIncrement = -0x8000; },
        [](const ScaleSettings& s) { return s.LeadingIncrement == 0x8000; }},
    {"a negative target", [](ScaleSettings& s) { s.TargetWidth = -1; }, [](const ScaleSettings& s) { return s.TargetWidth == 0; }},
    {"reserved bytes", [](ScaleSettings& s) { s.reserved27[5] = 1; }, [](const ScaleSettings& s) { return s.reserved27[5] == 0; }},
    {"padding", [](ScaleSettings& s) { s.padding74[1] = 9; }, [](const ScaleSettings& s) { return s.padding74[1] == 0; }},
};

TEST(ScaleSettings, ResetsEachFieldOutOfRangeAndKeepsTheOthers)
{
    for (const auto& c : kRangeCases) {
        ScaleSettings s = defaultSettings();
        s.HorizontalFactor = 0x20000;  // a value of the user's, in range
        s.ScaleText = 0;
        c.damage(s);
        EXPECT_EQ(resetFieldsOutOfRange(s), 1) << c.what;
        EXPECT_TRUE(c.isDefault(s)) << c.what;
        EXPECT_EQ(s.HorizontalFactor, 0x20000) << c.what;
        EXPECT_EQ(s.ScaleText, 0) << c.what;
    }
}

TEST(ScaleSettings, FactorsOfAnyValueAreKept)
{
    // The dialog lets any factor through and the commands refuse what cannot be scaled by.
    ScaleSettings s = defaultSettings();
    s.HorizontalFactor = 0;
    s.VerticalEntry = -0x10000;
    EXPECT_EQ(resetFieldsOutOfRange(s), 0);
}

} // namespace
} // namespace amplex
