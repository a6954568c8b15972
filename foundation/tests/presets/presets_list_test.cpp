// The Presets page operations: save, fill, rename, delete, replace and use, with their refusals.
#include <gtest/gtest.h>

#include <cstring>

#include "foundation/tests/presets/presets_fixture.h"

namespace foundation_test {
namespace {

TEST_F(PresetsTest, SaveWritesTheRecordAndKeepsTheListSortedWithoutRegardToCase)
{
    api().initPresetFolders(false);
    int16_t index = -2;
    ASSERT_TRUE(save("Beta", 2));
    ASSERT_TRUE(save("alpha", 1));
    probe::ProbeSettings gamma = settingsWith(3, "gamma");
    char name[64] = "Gamma.txt";
    ASSERT_TRUE(api().savePresetAs(&gamma, name, sizeof name, &index));

    EXPECT_STREQ(name, "Gamma.prf") << "a typed extension gives way to .prf";
    EXPECT_EQ(index, 2);
    EXPECT_EQ(listNames(), (Names{"alpha.prf", "Beta.prf", "Gamma.prf"}));
    EXPECT_EQ(filesIn(presetFolder()), (FileSet{"alpha.prf", "Beta.prf", "Gamma.prf"}));
    EXPECT_EQ(readFile(presetFolder() / "Gamma.prf"), std::string(reinterpret_cast<const char*>(&gamma), sizeof gamma));
    EXPECT_EQ(api().hookCounts()->afterSaveOrRename, 3);
}

TEST_F(PresetsTest, SaveCutsALongNameTo31CharactersBeforeTheExtension)
{
    api().initPresetFolders(false);
    ASSERT_TRUE(save("A name that is forty characters long...."));
    EXPECT_EQ(listNames(), (Names{"A name that is forty characters.prf"}));
}

struct RefusedName {
    const char* typed;
    const char* why;
};

TEST_F(PresetsTest, SaveRefusesDuplicatesAndNamesThatAreNoPlainFileName)
{
    api().initPresetFolders(false);
    ASSERT_TRUE(save("Beta"));
    const RefusedName refused[] = {
        {"beta", "differs only in case"},
        {"BETA.prf", "the same file"},
        {"", "empty"},
        {".abc", "empty once the extension goes"},
        {"..\\..\\escape", "would leave the folder"},
        {"sub/name", "a path"},
        {"C:name", "a drive"},
    };
    for (const RefusedName& r : refused) {
        int16_t index = 5;
        EXPECT_FALSE(save(r.typed, 1, &index)) << r.why;
    }
    int16_t index = 5;
    save("beta", 1, &index);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(listNames(), (Names{"Beta.prf"}));
    EXPECT_EQ(filesIn(presetFolder()), (FileSet{"Beta.prf"}));
    EXPECT_EQ(filesIn(systemDirectory()), FileSet{});
    EXPECT_FALSE(fs::exists(systemDirectory() / "_drives"));
    EXPECT_EQ(api().hookCounts()->afterDeleteOrRefusedSave, 8);
}

TEST_F(PresetsTest, FillShowsTheNamesInListOrderAndTheSelection)
{
    api().initPresetFolders(false);
    save("Two");
    save("One");
    listControl().insertRow(0); // a stale row from before
    api().fillPresetList(kPresetsPage, kListItem, 1);
    EXPECT_EQ(listControl().rows(), (Names{"One.prf", "Two.prf"}));
    EXPECT_EQ(listControl().selection(), 1);
    ASSERT_GE(host().windows().listRedraws().size(), 2u);
    EXPECT_EQ(host().windows().listRedraws()[0].value, 0);
    EXPECT_EQ(host().windows().listRedraws()[1].value, 1);
}

TEST_F(PresetsTest, RenameKeepsTheExtensionSoThePresetStaysListed)
{
    api().initPresetFolders(false);
    save("One", 11);
    save("Two", 22);
    selectRow("One.prf");
    int16_t index = -2;
    ASSERT_TRUE(api().renamePreset(kPresetsPage, kListItem, "Three", &index));
    EXPECT_EQ(filesIn(presetFolder()), (FileSet{"Three.prf", "Two.prf"}));
    EXPECT_EQ(listNames(), (Names{"Three.prf", "Two.prf"}));
    EXPECT_EQ(index, 0);

    // The next scan still finds it.
    api().initPresetFolders(false);
    EXPECT_EQ(listNames(), (Names{"Three.prf", "Two.prf"}));
}

TEST_F(PresetsTest, RenameRefusesAnotherPresetsNameButAllowsOtherCapitals)
{
    api().initPresetFolders(false);
    save("One");
    save("Two");
    selectRow("One.prf");
    int16_t index = -2;
    EXPECT_FALSE(api().renamePreset(kPresetsPage, kListItem, "two", &index));
    EXPECT_FALSE(api().renamePreset(kPresetsPage, kListItem, "..\\Two", &index));
    EXPECT_EQ(filesIn(presetFolder()), (FileSet{"One.prf", "Two.prf"}));

    EXPECT_TRUE(api().renamePreset(kPresetsPage, kListItem, "ONE", &index));
    EXPECT_EQ(listNames(), (Names{"ONE.prf", "Two.prf"}));

    listControl().select(-1);
    EXPECT_FALSE(api().renamePreset(kPresetsPage, kListItem, "Four", &index)) << "nothing selected";
}

TEST_F(PresetsTest, DeleteRemovesTheSelectedPresetButKeepsItsBackupCopy)
{
    writePreset("A.prf", settingsWith(1));
    writePreset("B.prf", settingsWith(2));
    api().initPresetFolders(true);
    selectRow("B.prf");
    int16_t index = -2;
    ASSERT_TRUE(api().deletePreset(kPresetsPage, kListItem, &index));
    EXPECT_EQ(index, 1);
    EXPECT_EQ(filesIn(presetFolder()), (FileSet{"A.prf"}));
    EXPECT_EQ(listNames(), (Names{"A.prf"}));
    EXPECT_EQ(filesIn(backupFolder()), (FileSet{"A.prf", "B.prf"}));

    listControl().select(-1);
    EXPECT_FALSE(api().deletePreset(kPresetsPage, kListItem, &index));
    EXPECT_EQ(index, -1);
}

TEST_F(PresetsTest, ReplaceWritesTheSelectedPresetAndUseReadsItBack)
{
    api().initPresetFolders(false);
    save("Letter", 1);
    selectRow("Letter.prf");
    probe::ProbeSettings replaced = settingsWith(42, "replaced");
    ASSERT_TRUE(api().saveSelectedPreset(&replaced, kPresetsPage, kListItem));

    ASSERT_EQ(api().loadPresetAt(kPresetsPage, kListItem, 0), 0);
    EXPECT_EQ(api().workingSettings()->value, 42);
    EXPECT_STREQ(api().workingSettings()->label, "replaced");
    EXPECT_TRUE(host().messageBoxes().empty());
}

TEST_F(PresetsTest, UseRefusesAnIndexOutsideTheList)
{
    api().initPresetFolders(false);
    save("Letter", 1);
    const probe::ProbeSettings before = *api().workingSettings();
    for (int32_t index : {-1, 1, 400})
        EXPECT_NE(api().loadPresetAt(kPresetsPage, kListItem, index), 0) << index;
    EXPECT_EQ(api().workingSettings()->value, before.value);
}

TEST_F(PresetsTest, ADamagedOrShortPresetIsRefusedWithAMessage)
{
    writeFile(presetFolder() / "Empty.prf", "");
    writeFile(presetFolder() / "Short.prf", "PRB1");
    probe::ProbeSettings foreign = settingsWith(5);
    std::memcpy(foreign.tag, "XXXX", 4);
    writePreset("Foreign.prf", foreign);
    writeFile(presetFolder() / "Long.prf", std::string(40, 'P'));
    api().initPresetFolders(false);
    ASSERT_EQ(listNames().size(), 4u);

    api().workingSettings()->value = 77;
    for (int32_t index = 0; index < 4; ++index)
        EXPECT_NE(api().loadPresetAt(kPresetsPage, kListItem, index), 0) << listNames()[static_cast<size_t>(index)];
    EXPECT_EQ(api().workingSettings()->value, 77);
    ASSERT_EQ(host().messageBoxes().size(), 4u);
    for (const auto& box : host().messageBoxes())
        EXPECT_EQ(box.text, kLoadFailed);
}

TEST_F(PresetsTest, ARecordOfAnotherSizeIsNeverSaved)
{
    api().initPresetFolders(false);
    char name[64] = "Longer";
    int16_t index = 0;
    EXPECT_FALSE(api().saveLongerRecordAs(name, sizeof name, &index));
    EXPECT_TRUE(listNames().empty());
    EXPECT_FALSE(fs::exists(presetFolder() / "Longer.prf"));
    EXPECT_EQ(api().hookCounts()->afterDeleteOrRefusedSave, 1);
}

TEST_F(PresetsTest, ReplacingALongerFileLeavesOneRecordThatReadsBack)
{
    writeFile(presetFolder() / "Long.prf", std::string(40, 'P'));
    api().initPresetFolders(false);
    selectRow("Long.prf");
    probe::ProbeSettings replaced = settingsWith(9, "short again");
    ASSERT_TRUE(api().saveSelectedPreset(&replaced, kPresetsPage, kListItem));
    EXPECT_EQ(readFile(presetFolder() / "Long.prf").size(), sizeof(probe::ProbeSettings));
    ASSERT_EQ(api().loadPresetAt(kPresetsPage, kListItem, 0), 0);
    EXPECT_EQ(api().workingSettings()->value, 9);
    EXPECT_TRUE(host().messageBoxes().empty());
}

TEST_F(PresetsTest, AFailedWriteIsReported)
{
    api().initPresetFolders(false);
    save("Letter", 1);
    selectRow("Letter.prf");
    probe::ProbeSettings replaced = settingsWith(42);
    host().faults().failNth("WriteFile", 1);
    EXPECT_FALSE(api().saveSelectedPreset(&replaced, kPresetsPage, kListItem));
    ASSERT_FALSE(host().messageBoxes().empty());
    EXPECT_EQ(host().messageBoxes().back().text, "Sorry, problems saving settings!");

    host().faults().failFrom("CreateFile", 1);
    EXPECT_FALSE(save("Other"));
    host().faults().clear();
    EXPECT_EQ(listNames(), (Names{"Letter.prf"}));
    EXPECT_EQ(filesIn(presetFolder()), (FileSet{"Letter.prf"}));
}

} // namespace
} // namespace foundation_test
