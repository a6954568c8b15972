// The ListSettings record: its factory values, and what a stored record must pass before use.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "dotwise/settings/list_settings.h"
#include "dotwise/settings/palette_prefs.h"

namespace dotwise {
namespace {

TEST(ListSettingsTest, FactoryValues)
{
    const ListSettings settings = defaultListSettings();
    EXPECT_EQ(settings.leftIndent[1], 36 * xt::kFixedOne);
    EXPECT_EQ(settings.rightIndent[4], 144 * xt::kFixedOne);
    EXPECT_EQ(settings.gapKind, GapTab);
    EXPECT_EQ(settings.leadAmount, 0xC0000);
    EXPECT_EQ(settings.gapAmount, 0x90000);
    EXPECT_STREQ(settings.bulletFont, "Same font");
    EXPECT_EQ(settings.bulletChar, 0x2022);
    EXPECT_EQ(settings.numberType[1], NumberDecimalPoint);
    EXPECT_EQ(settings.numberType[2], NumberLowerLetterPoint);
    EXPECT_EQ(settings.numberType[4], NumberLowerRoman);
    EXPECT_EQ(settings.levelStyleId[3], kNoStyle);
    EXPECT_EQ(settings.bulletStyleId, kNoStyle);
    EXPECT_EQ(settings.hangIndents, 1);
    EXPECT_EQ(settings.boldMarkers, 0);
    EXPECT_EQ(settings.autoIndent, 1);
    const std::vector<uint8_t> reserved(std::begin(settings.reserved305), std::end(settings.reserved305));
    EXPECT_EQ(reserved, std::vector<uint8_t>(159, 0));
}

TEST(ListSettingsTest, BytesOfAWholeRecordRoundTrip)
{
    ListSettings stored = defaultListSettings();
    stored.gapKind = GapEnSpace;
    stored.numberType[3] = NumberUpperRoman;
    std::snprintf(stored.levelStyleName[2], kNameSize, "%s", "Body List");
    stored.levelStyleId[2] = 4;
    ListSettings read{};
    ASSERT_TRUE(listSettingsFromBytes(&stored, sizeof stored, read));
    EXPECT_EQ(std::memcmp(&read, &stored, sizeof stored), 0);
}

TEST(ListSettingsTest, AShortRecordIsRefused)
{
    const ListSettings stored = defaultListSettings();
    ListSettings read = defaultListSettings();
    read.gapKind = GapSpace;
    EXPECT_FALSE(listSettingsFromBytes(&stored, sizeof stored - 1, read));
    EXPECT_EQ(read.gapKind, GapSpace);
}

TEST(ListSettingsTest, DamagedFieldsTakeTheirDefaults)
{
    ListSettings stored = defaultListSettings();
    stored.gapKind = 0;
    stored.numberType[1] = 9;
    stored.numberType[2] = -3;
    stored.bulletChar = 0;
    stored.levelStyleId[1] = -7;
    std::memset(stored.bulletFont, 'x', kNameSize);  // no terminator
    stored.autoIndent = 7;
    ListSettings read{};
    ASSERT_TRUE(listSettingsFromBytes(&stored, sizeof stored, read));
    EXPECT_EQ(read.gapKind, GapTab);
    EXPECT_EQ(read.numberType[1], NumberDecimalPoint);
    EXPECT_EQ(read.numberType[2], NumberLowerLetterPoint);
    EXPECT_EQ(read.bulletChar, kDefaultBullet);
    EXPECT_EQ(read.levelStyleId[1], kNoStyle);
    EXPECT_EQ(std::strlen(read.bulletFont), kNameSize - 1);
    EXPECT_EQ(read.autoIndent, 1);
}

TEST(PalettePrefsTest, OnlyAWholeRecordIsTaken)
{
    const unsigned char bytes[9] = {10, 0, 20, 0, 5, 0, 0, 0, 99};
    PalettePrefs prefs = defaultPalettePrefs();
    EXPECT_FALSE(palettePrefsFromBytes(bytes, 7, prefs));
    EXPECT_EQ(prefs.x, 72);
    ASSERT_TRUE(palettePrefsFromBytes(bytes, 9, prefs));
    EXPECT_EQ(prefs.x, 10);
    EXPECT_EQ(prefs.y, 20);
    EXPECT_EQ(prefs.shown, 1);
}

} // namespace
} // namespace dotwise
