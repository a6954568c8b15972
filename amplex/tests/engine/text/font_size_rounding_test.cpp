// Scaled point sizes snap to the step of the live settings.
#include <gtest/gtest.h>

#include "amplex/engine/text/font_size_rounding.h"
#include "amplex/settings/settings.h"

namespace amplex {
namespace {

TEST(FontSizeRounding, UsesTheLiveSettingsStep)
{
    const ScaleSettings saved = currentSettings();
    currentSettings().RoundFontsStep = 0x10000;
    EXPECT_EQ(RoundFontSize(0xA6666), 0xA0000);
    currentSettings().RoundFontsStep = 0x8000;
    EXPECT_EQ(RoundFontSize(0xA6666), 0xA8000);
    currentSettings() = saved;
}

} // namespace
} // namespace amplex
