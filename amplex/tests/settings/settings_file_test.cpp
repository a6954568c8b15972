// Amplex settings files through the host: the 192-byte layout, refusals and their messages.
#include <array>
#include <cstring>

#include "amplex/settings/settings_file.h"
#include "amplex/tests/amplex_host_fixture.h"

namespace amplex::testing {
namespace {

constexpr char kLoadFailed[] = "Sorry, problems loading settings!";
constexpr char kCreateFailed[] = "Sorry, couldn't save settings!";
constexpr char kSaveFailed[] = "Sorry, problems saving settings!";

using SettingsFileTest = AmplexHostTest;

ScaleSettings userSettings()
{
    ScaleSettings s = defaultSettings();
    s.HorizontalFactor = 0x12345;
    s.VerticalFactor = 0x20000;
    s.ScaleWhat = ScalePageRange;
    s.FitCommand = FitBoxToStory;
    s.KeepAllProportional = 1;
    s.RoundFontsStep = 0x4000;
    return s;
}

TEST_F(SettingsFileTest, CreatedFileIsTheRecordByteForByteAndReadsBack)
{
    const ScaleSettings written = userSettings();
    ASSERT_EQ(m_probe->createSettingsFile(&written, windowsPath("a.prf").c_str()), 0);

    const auto bytes = readFile(realPath("a.prf"));
    ASSERT_EQ(bytes.size(), kScaleSettingsSize);
    EXPECT_EQ(std::memcmp(bytes.data(), &written, kScaleSettingsSize), 0);
    // HorizontalFactor at offset 48, little-endian; FitCommand at 128.
    EXPECT_EQ(static_cast<uint8_t>(bytes[48]), 0x45);
    EXPECT_EQ(static_cast<uint8_t>(bytes[49]), 0x23);
    EXPECT_EQ(static_cast<uint8_t>(bytes[50]), 0x01);
    EXPECT_EQ(static_cast<uint8_t>(bytes[51]), 0x00);
    EXPECT_EQ(bytes[128], FitBoxToStory);
    EXPECT_EQ(bytes[40], ScalePageRange);

    ScaleSettings read{};
    ASSERT_EQ(m_probe->readSettingsFile(&read, windowsPath("a.prf").c_str()), 0);
    EXPECT_EQ(std::memcmp(&read, &written, kScaleSettingsSize), 0);
    EXPECT_TRUE(m_host->messageBoxes().empty());
}

TEST_F(SettingsFileTest, NoRecordMeansTheLiveSettings)
{
    *m_probe->currentSettings() = userSettings();
    ASSERT_EQ(m_probe->createSettingsFile(nullptr, windowsPath("live.prf").c_str()), 0);
    *m_probe->currentSettings() = defaultSettings();
    ASSERT_EQ(m_probe->readSettingsFile(nullptr, windowsPath("live.prf").c_str()), 0);
    EXPECT_EQ(m_probe->currentSettings()->HorizontalFactor, 0x12345);
}

struct DamagedFile {
    const char* what;
    size_t size;
};

TEST_F(SettingsFileTest, ShortOrLongFileIsRefusedAndTheSettingsStay)
{
    const DamagedFile cases[] = {
        {"empty", 0},
        {"short", 100},
        {"one byte short", kScaleSettingsSize - 1},
        {"one byte long", kScaleSettingsSize + 1},
    };
    const ScaleSettings live = userSettings();
    for (const auto& c : cases) {
        *m_probe->currentSettings() = live;
        std::vector<char> bytes(c.size, 0x7F);
        writeBytes(realPath("bad.prf"), bytes.data(), bytes.size());
        const size_t boxesBefore = m_host->messageBoxes().size();

        EXPECT_NE(m_probe->readSettingsFile(nullptr, windowsPath("bad.prf").c_str()), 0) << c.what;
        EXPECT_EQ(std::memcmp(m_probe->currentSettings(), &live, kScaleSettingsSize), 0) << c.what;
        ASSERT_EQ(m_host->messageBoxes().size(), boxesBefore + 1) << c.what;
        EXPECT_EQ(m_host->messageBoxes().back().text, kLoadFailed) << c.what;
        EXPECT_EQ(m_host->messageBoxes().back().caption, "VORNE Amplex") << c.what;
    }
}

TEST_F(SettingsFileTest, FieldsOutOfRangeComeBackAsDefaultsOneByOne)
{
    ScaleSettings damaged = userSettings();
    damaged.FitCommand = 9;
    damaged.ScaleGuides = 3;
    damaged.ScaleFrom = -2;
    damaged.reserved144[10] = 0x55;
    writeBytes(realPath("odd.prf"), &damaged, sizeof damaged);

    ScaleSettings read{};
    ASSERT_EQ(m_probe->readSettingsFile(&read, windowsPath("odd.prf").c_str()), 0);
    EXPECT_EQ(read.FitCommand, FitSelectionToBox);
    EXPECT_EQ(read.ScaleGuides, 1);
    EXPECT_EQ(read.ScaleFrom, FromUpperLeftOfSelection);
    EXPECT_EQ(read.reserved144[10], 0);
    EXPECT_EQ(read.HorizontalFactor, 0x12345);  // the fields in range are the file's
    EXPECT_EQ(read.ScaleWhat, ScalePageRange);
    EXPECT_EQ(read.KeepAllProportional, 1);
    EXPECT_TRUE(m_host->messageBoxes().empty());
}

TEST_F(SettingsFileTest, MissingFileIsQuietOnlyForTheDefaultPreset)
{
    ScaleSettings untouched = userSettings();
    ScaleSettings record = untouched;
    EXPECT_NE(m_probe->readSettingsFile(&record, windowsPath("Default.prf").c_str()), 0);
    EXPECT_TRUE(m_host->messageBoxes().empty());

    EXPECT_NE(m_probe->readSettingsFile(&record, windowsPath("Mine.prf").c_str()), 0);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kLoadFailed});
    EXPECT_EQ(std::memcmp(&record, &untouched, kScaleSettingsSize), 0);
}

TEST_F(SettingsFileTest, CreatingReplacesAnExistingFileWhole)
{
    std::vector<char> old(500, 0x11);
    writeBytes(realPath("old.prf"), old.data(), old.size());
    const ScaleSettings written = userSettings();
    ASSERT_EQ(m_probe->createSettingsFile(&written, windowsPath("old.prf").c_str()), 0);
    const auto bytes = readFile(realPath("old.prf"));
    ASSERT_EQ(bytes.size(), kScaleSettingsSize);
    EXPECT_EQ(std::memcmp(bytes.data(), &written, kScaleSettingsSize), 0);
    EXPECT_FALSE(fs::exists(realPath("old.prf~")));
    EXPECT_TRUE(m_host->messageBoxes().empty());
}

TEST_F(SettingsFileTest, AFileThatCannotBeReplacedIsReportedOnceAndKept)
{
    const std::string old(kScaleSettingsSize, 0x11);
    writeBytes(realPath("locked.prf"), old.data(), old.size());
    m_host->faults().failNth("DeleteFile", 1);
    const ScaleSettings written = userSettings();
    EXPECT_NE(m_probe->createSettingsFile(&written, windowsPath("locked.prf").c_str()), 0);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kCreateFailed});
    EXPECT_EQ(readFile(realPath("locked.prf")), old);
    EXPECT_FALSE(fs::exists(realPath("locked.prf~")));
}

TEST_F(SettingsFileTest, RewritingAnExistingFileLeavesExactlyTheRecord)
{
    std::vector<char> old(300, 0x22);
    writeBytes(realPath("long.prf"), old.data(), old.size());
    const ScaleSettings written = userSettings();
    ASSERT_EQ(m_probe->writeSettingsFile(&written, windowsPath("long.prf").c_str()), 0);
    const auto bytes = readFile(realPath("long.prf"));
    ASSERT_EQ(bytes.size(), kScaleSettingsSize);
    EXPECT_EQ(std::memcmp(bytes.data(), &written, kScaleSettingsSize), 0);

    ScaleSettings read{};
    EXPECT_EQ(m_probe->readSettingsFile(&read, windowsPath("long.prf").c_str()), 0);
    EXPECT_TRUE(m_host->messageBoxes().empty());
}

TEST_F(SettingsFileTest, RewritingAMissingFileIsReported)
{
    const ScaleSettings written = userSettings();
    EXPECT_NE(m_probe->writeSettingsFile(&written, windowsPath("none.prf").c_str()), 0);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kSaveFailed});
    EXPECT_FALSE(fs::exists(realPath("none.prf")));
}

TEST_F(SettingsFileTest, AFailedWriteIsAFailureAndLeavesNoEmptyPreset)
{
    m_host->faults().failNth("WriteFile", 1);
    const ScaleSettings written = userSettings();
    EXPECT_NE(m_probe->createSettingsFile(&written, windowsPath("new.prf").c_str()), 0);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kSaveFailed});
    EXPECT_FALSE(fs::exists(realPath("new.prf")));
}

TEST_F(SettingsFileTest, AFailedReadIsAFailureWithTheMessage)
{
    const ScaleSettings written = userSettings();
    ASSERT_EQ(m_probe->createSettingsFile(&written, windowsPath("r.prf").c_str()), 0);
    *m_probe->currentSettings() = defaultSettings();
    m_host->faults().failNth("ReadFile", 1);
    EXPECT_NE(m_probe->readSettingsFile(nullptr, windowsPath("r.prf").c_str()), 0);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kLoadFailed});
    EXPECT_EQ(m_probe->currentSettings()->HorizontalFactor, defaultSettings().HorizontalFactor);
}

TEST_F(SettingsFileTest, MessagesStayInTheBaseLanguageForEveryCode)
{
    // Code 1 would move 20037 onto 20047, another message of the table.
    for (int16_t code : std::array<int16_t, 3>{1, 3, 8}) {
        startHost(code);
        m_host->startSession();
        ASSERT_EQ(m_probe->languageCode(), static_cast<uint16_t>(code));
        ScaleSettings record{};
        m_probe->readSettingsFile(&record, windowsPath("Mine.prf").c_str());
        EXPECT_EQ(messageTexts(), std::vector<std::string>{kLoadFailed}) << "code " << code;
    }
}

} // namespace
} // namespace amplex::testing
