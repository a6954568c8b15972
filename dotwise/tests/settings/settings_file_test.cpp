// The settings file and the preference file through the host: first start, round trips, short and
// damaged files, and the document's block.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dotwise/resources/dotwise_id.h"
#include "dotwise/tests/dotwise_host_fixture.h"
#include "host/model/data_blocks.h"

namespace dotwise::testing {
namespace {

class SettingsFileTest : public DotwiseHostTest {
protected:
    std::filesystem::path settingsFile() const { return realPath("Dotwise Settings"); }
    std::filesystem::path preferenceFile() const { return realPath("Preferences/Dotwise Preferences.prf"); }

    host::model::DataBlockHolder& documentHolder()
    {
        auto& blocks = layout().dataBlocks();
        return *blocks.holder(blocks.holderRef(host::model::HolderKind::Document, layout().ref()));
    }

    void writeSettingsBytes(const ListSettings& settings, size_t size)
    {
        xt_testing::writeFile(settingsFile(), std::string_view(reinterpret_cast<const char*>(&settings), size));
    }
};

TEST_F(SettingsFileTest, FirstStartWritesThePaletteDefaultsAndNoSettingsFile)
{
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));
    const std::string prefs = xt_testing::readFile(preferenceFile());
    EXPECT_EQ(prefs, std::string("\x48\x00\x48\x00\x00\x00\x00\x00", 8));
    EXPECT_EQ(settings().gapKind, GapTab);
    EXPECT_FALSE(m_probe->paletteOpen());
}

TEST_F(SettingsFileTest, ATruncatedPreferenceFileGetsTheDefaults)
{
    xt_testing::writeFile(preferenceFile(), std::string("\x10\x00\x20", 3));
    ASSERT_NO_FATAL_FAILURE(startHost());
    EXPECT_EQ(m_probe->palettePrefs().x, 72);
    EXPECT_EQ(xt_testing::readFile(preferenceFile()).substr(0, 8), std::string("\x48\x00\x48\x00\x00\x00\x00\x00", 8));
}

TEST_F(SettingsFileTest, SavedSettingsAreReadBackByteForByte)
{
    ListSettings saved = defaultListSettings();
    saved.numberType[2] = NumberUpperRoman;
    saved.boldMarkers = 1;
    std::snprintf(saved.levelStyleName[1], kNameSize, "%s", "List 1");
    saved.levelStyleId[1] = 0;
    ASSERT_EQ(m_probe->saveSettings(&saved), 0);
    EXPECT_EQ(std::filesystem::file_size(settingsFile()), 464u);
    ListSettings read = defaultListSettings();
    ASSERT_EQ(m_probe->loadSettingsFile(&read), 0);
    EXPECT_EQ(std::memcmp(&read, &saved, sizeof saved), 0);
    // A restart keeps everything but the style overrides.
    ASSERT_NO_FATAL_FAILURE(startHost());
    EXPECT_EQ(settings().numberType[2], NumberUpperRoman);
    EXPECT_EQ(settings().levelStyleId[1], kNoStyle);
    EXPECT_STREQ(settings().levelStyleName[1], "");
}

TEST_F(SettingsFileTest, AShortFileLeavesTheRecordAsItWasAndSaysSo)
{
    ListSettings stored = defaultListSettings();
    stored.gapKind = GapSpace;
    writeSettingsBytes(stored, 200);
    ListSettings record = defaultListSettings();
    record.gapKind = GapEnSpace;
    EXPECT_NE(m_probe->loadSettingsFile(&record), 0);
    EXPECT_EQ(record.gapKind, GapEnSpace);
    ASSERT_FALSE(messageTexts().empty());
    EXPECT_NE(messageTexts().back().find("damaged"), std::string::npos);
}

// What stored files rely on: a file longer than a record gives its first record, as the plug-in has
// always read it, and a missing file (the state before the first OK) is no news to the user.
TEST_F(SettingsFileTest, ALongerFileGivesItsFirstRecordAndAMissingOneSaysNothing)
{
    ListSettings stored = defaultListSettings();
    stored.gapKind = GapSpace;
    std::string bytes(reinterpret_cast<const char*>(&stored), sizeof stored);
    xt_testing::writeFile(settingsFile(), bytes + "more");
    ListSettings record = defaultListSettings();
    EXPECT_EQ(m_probe->loadSettingsFile(&record), 0);
    EXPECT_EQ(record.gapKind, GapSpace);

    std::filesystem::remove(settingsFile());
    const size_t shown = messageTexts().size();
    record.gapKind = GapEnSpace;
    EXPECT_NE(m_probe->loadSettingsFile(&record), 0);
    EXPECT_EQ(record.gapKind, GapEnSpace);
    EXPECT_EQ(messageTexts().size(), shown);
}

TEST_F(SettingsFileTest, AShortFileAtStartUpGivesTheDefaults)
{
    ListSettings stored = defaultListSettings();
    stored.gapKind = GapSpace;
    writeSettingsBytes(stored, 463);
    ASSERT_NO_FATAL_FAILURE(startHost());
    EXPECT_EQ(settings().gapKind, GapTab);
}

TEST_F(SettingsFileTest, ADocumentBlockTakesPrecedenceOnlyWhenWhole)
{
    ListSettings fromFile = defaultListSettings();
    fromFile.gapKind = GapSpace;
    ASSERT_EQ(m_probe->saveSettings(&fromFile), 0);
    newDocument(1);
    ListSettings fromBlock = defaultListSettings();
    fromBlock.gapKind = GapEnSpace;
    const std::vector<uint8_t> whole(reinterpret_cast<const uint8_t*>(&fromBlock), reinterpret_cast<const uint8_t*>(&fromBlock) + sizeof fromBlock);
    host::model::DataBlockHolder& block = documentHolder();
    block.set(kDotwiseId, whole);
    ListSettings record = defaultListSettings();
    m_probe->loadSettings(&record);
    EXPECT_EQ(record.gapKind, GapEnSpace);
    block.set(kDotwiseId, std::vector<uint8_t>(whole.begin(), whole.begin() + 100));
    m_probe->loadSettings(&record);
    EXPECT_EQ(record.gapKind, GapSpace);
}

} // namespace
} // namespace dotwise::testing
