// The preset folder: where it lies, its scan, the backup copies made at start-up and their restore.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "foundation/tests/presets/presets_fixture.h"
#include "win32/standin.h"
#include "xtapi/messages.h"

namespace foundation_test {
namespace {

TEST_F(PresetsTest, AnEmptyFolderGivesAnEmptyListAndAValidBackup)
{
    api().initPresetFolders(true);
    EXPECT_TRUE(fs::is_directory(presetFolder()));
    EXPECT_TRUE(fs::is_directory(backupFolder()));
    ASSERT_NE(api().presetList(), nullptr);
    EXPECT_TRUE(listNames().empty());
    EXPECT_TRUE(api().presetBackupValid());
    EXPECT_EQ(api().hookCounts()->afterScan, 1);
}

TEST_F(PresetsTest, TheScanListsOnlyPresetFiles)
{
    writePreset("Real.prf", settingsWith(1));
    fs::create_directories(presetFolder() / "Folder.prf");
    writeFile(presetFolder() / "notes.txt", "not a preset");
    api().initPresetFolders(false);
    EXPECT_EQ(listNames(), (Names{"Real.prf"}));
}

TEST_F(PresetsTest, BackupCopiesAreMadeAtStartUpAndRemovedByDiscard)
{
    writePreset("A.prf", settingsWith(1));
    writePreset("B.prf", settingsWith(2));
    api().initPresetFolders(true);
    ASSERT_TRUE(api().presetBackupValid());
    EXPECT_EQ(filesIn(backupFolder()), (FileSet{"A.prf", "B.prf"}));
    EXPECT_EQ(readFile(backupFolder() / "B.prf"), readFile(presetFolder() / "B.prf"));

    api().discardPresetList();
    EXPECT_EQ(api().presetList(), nullptr);
    EXPECT_FALSE(api().presetBackupValid());
    EXPECT_TRUE(filesIn(backupFolder()).empty());
    EXPECT_TRUE(fs::is_directory(backupFolder()));
    EXPECT_EQ(filesIn(presetFolder()), (FileSet{"A.prf", "B.prf"}));
    api().discardPresetList(); // a second discard frees nothing twice
}

TEST_F(PresetsTest, AFileAlreadyInTheBackupFolderMakesTheBackupFail)
{
    writePreset("A.prf", settingsWith(1));
    writePreset("B.prf", settingsWith(2));
    writePreset("C.prf", settingsWith(3));
    writeFile(backupFolder() / "B.prf", "left from an earlier run");
    writeFile(backupFolder() / "notes.txt", "not named in the list");
    api().initPresetFolders(true);
    EXPECT_FALSE(api().presetBackupValid());
    EXPECT_EQ(filesIn(backupFolder()), (FileSet{"notes.txt"}));
    EXPECT_EQ(filesIn(presetFolder()), (FileSet{"A.prf", "B.prf", "C.prf"}));
    EXPECT_FALSE(api().revertPresetFolder());
}

TEST_F(PresetsTest, SettingUpTwiceNeitherLeaksNorLosesTheBackup)
{
    writePreset("A.prf", settingsWith(1));
    api().initPresetFolders(true);
    const size_t handles = win32::liveHandleCount();
    api().initPresetFolders(true);
    EXPECT_EQ(win32::liveHandleCount(), handles);
    EXPECT_TRUE(api().presetBackupValid());
    EXPECT_EQ(filesIn(backupFolder()), (FileSet{"A.prf"}));
    EXPECT_EQ(api().hookCounts()->afterScan, 2);
}

TEST_F(PresetsTest, RevertPutsTheFolderBackAsTheBackupFoundIt)
{
    const probe::ProbeSettings a = settingsWith(1);
    const probe::ProbeSettings b = settingsWith(2);
    writePreset("A.prf", a);
    writePreset("B.prf", b);
    api().initPresetFolders(true);

    save("C", 3);
    selectRow("A.prf");
    int16_t index = 0;
    ASSERT_TRUE(api().renamePreset(kPresetsPage, kListItem, "D", &index));
    selectRow("B.prf");
    probe::ProbeSettings changed = settingsWith(99);
    ASSERT_TRUE(api().saveSelectedPreset(&changed, kPresetsPage, kListItem));

    ASSERT_TRUE(api().revertPresetFolder());
    EXPECT_EQ(filesIn(presetFolder()), (FileSet{"A.prf", "B.prf"}));
    EXPECT_EQ(readFile(presetFolder() / "B.prf"), std::string(reinterpret_cast<const char*>(&b), sizeof b));
    EXPECT_EQ(listNames(), (Names{"A.prf", "B.prf"}));
    EXPECT_TRUE(api().presetBackupValid()) << "the copies stay for another revert";
}

struct LanguageCase {
    uint16_t code;
    const char* folder;
};

TEST_F(PresetsTest, FolderNamesFollowTheLanguageCodeAndFallBackToCodeZero)
{
    const LanguageCase cases[] = {
        {0, "VORNE Styled Presets"},
        {1, "VORNE Styled Presets One"}, // only code 1's folder name exists; its backup name falls back
        {3, "VORNE Styled Presets"},
    };
    for (const LanguageCase& c : cases) {
        xt::LanguageBlock language{};
        language.languageCode = c.code;
        host().sendMessage(xt::LanguageMessage, &language);
        api().discardPresetList();
        api().configurePresets(20013, 20014, 10);
        api().initPresetFolders(false);
        char folder[512];
        char backup[512];
        api().presetFolders(folder, backup, sizeof folder);
        EXPECT_EQ(std::string(folder), std::string("C:\\WINDOWS\\system32\\") + c.folder) << c.code;
        EXPECT_EQ(std::string(backup), std::string(folder) + "\\__tmpdata__") << c.code;
        EXPECT_TRUE(fs::is_directory(systemDirectory() / c.folder / "__tmpdata__")) << c.code;
    }
}

TEST_F(PresetsTest, MissingFolderNamesNeverFallBackToTheSystemDirectoryItself)
{
    writeFile(systemDirectory() / "kernel.prf", "a file of the system");
    api().configurePresets(900, 901, 0);
    api().initPresetFolders(true);
    EXPECT_EQ(api().presetList(), nullptr);
    EXPECT_FALSE(save("Anything"));
    api().discardPresetList();
    EXPECT_EQ(filesIn(systemDirectory()), (FileSet{"kernel.prf"}));
}

} // namespace
} // namespace foundation_test
