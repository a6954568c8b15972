// The Presets page and the palette: presets saved, renamed, deleted and offered in the palette's list,
// and the palette's buttons following the current box.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "amplex/resources/window_ids.h"
#include "amplex/tests/ui_fixture.h"

namespace amplex::testing {
namespace {

using host::ui::DialogAction;
namespace testdoc = host::model::testdoc;

enum : int32_t { PresetList = 1, NameField = 3, Replace = 4, Delete = 5, Save = 6, Rename = 7, UseSettings = 8,
    RevertAll = 9, MakeDefault = 10, AddToFitTo = 11 };

class PresetsPageTest : public AmplexUiTest {
protected:
    std::filesystem::path presetFolder() const { return systemFolder() / "VORNE Amplex Presets"; }

    std::vector<std::string> paletteRows(xt::WindowRef palette)
    {
        return item(palette, 3).rows();
    }

    void saveAs(xt::WindowRef page, const std::string& name)
    {
        act(page, DialogAction::setText(NameField, name));
        act(page, DialogAction::click(Save));
    }

    /// A preset file written as Amplex writes one, before the page lists it.
    void writePreset(const std::string& name, const ScaleSettings& record)
    {
        std::filesystem::create_directories(presetFolder());
        ASSERT_EQ(m_probe->createSettingsFile(&record, windowsPath("VORNE Amplex Presets\\" + name).c_str()), 0) << name;
    }
};

TEST_F(PresetsPageTest, AnEmptyFolderOffersOnlySaveAfterANameAndMakeDefault)
{
    const xt::WindowRef page = openPage(PresetsPageWindow);
    EXPECT_EQ(item(page, PresetList).rowCount(), 0);
    for (int32_t button : {Replace, Delete, Rename, UseSettings, AddToFitTo, Save})
        EXPECT_FALSE(item(page, button).enabled()) << button;
    EXPECT_TRUE(item(page, MakeDefault).enabled());
    act(page, DialogAction::setText(NameField, "Half"));
    EXPECT_TRUE(item(page, Save).enabled());
}

TEST_F(PresetsPageTest, EachButtonIsEnabledExactlyWhenItCanAct)
{
    // The folder holds a size preset and a percentage preset; the page backs them up when it opens,
    // unless a copy left in the backup folder by an earlier run stands in the way.
    enum Selected { None = -1, SizePreset = 0, PercentPreset = 1 }; // the rows: "Card.prf", "Percent.prf"
    struct Case {
        const char* what;
        Selected selected;
        const char* name; // typed after the choice; null keeps the name the choice put in
        bool backupBlocked;
        std::vector<int32_t> enabled; // of the buttons; Make Default is always enabled
    } cases[] = {
        {"nothing chosen, no name", None, nullptr, false, {RevertAll}},
        {"nothing chosen, a name", None, "Half", false, {Save, RevertAll}},
        {"a size preset", SizePreset, nullptr, false, {Replace, Delete, Save, Rename, UseSettings, RevertAll, AddToFitTo}},
        {"a percentage preset", PercentPreset, nullptr, false, {Replace, Delete, Save, Rename, UseSettings, RevertAll}},
        {"a size preset, its name cleared", SizePreset, "", false, {Replace, Delete, UseSettings, RevertAll}},
        {"a size preset, another name", SizePreset, "Other", false,
            {Replace, Delete, Save, Rename, UseSettings, RevertAll, AddToFitTo}},
        {"no backup", SizePreset, nullptr, true, {Replace, Delete, Save, Rename, UseSettings, AddToFitTo}},
        {"no backup, nothing chosen", None, nullptr, true, {}},
    };
    const int32_t buttons[] = {Replace, Delete, Save, Rename, UseSettings, RevertAll, MakeDefault, AddToFitTo};

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(startHost());
        newDocument(1);
        std::filesystem::remove_all(presetFolder());
        ScaleSettings size = settings();
        size.ScaleByPercent = 0;
        size.ScaleWhat = ScaleSelectionOnly;
        ASSERT_NO_FATAL_FAILURE(writePreset("Card.prf", size));
        ScaleSettings percent = settings();
        percent.ScaleByPercent = 1;
        ASSERT_NO_FATAL_FAILURE(writePreset("Percent.prf", percent));
        if (c.backupBlocked)
            xt_testing::writeFile(presetFolder() / "__tmpdata__" / "Card.prf", "left from an earlier run");

        const xt::WindowRef page = openPage(PresetsPageWindow);
        ASSERT_EQ(item(page, PresetList).rows(), (std::vector<std::string>{"Card.prf", "Percent.prf"}));
        if (c.selected != None)
            act(page, DialogAction::choose(PresetList, c.selected));
        if (c.name)
            act(page, DialogAction::setText(NameField, c.name));
        for (const int32_t button : buttons) {
            const bool wanted = button == MakeDefault
                || std::find(c.enabled.begin(), c.enabled.end(), button) != c.enabled.end();
            EXPECT_EQ(item(page, button).enabled(), wanted) << "button " << button;
        }
    }
}

TEST_F(PresetsPageTest, SavedPresetsAreListedAndWrittenAsFiles)
{
    const xt::WindowRef page = openPage(PresetsPageWindow);
    settings().HorizontalFactor = 0x8000;
    saveAs(page, "Half");
    saveAs(page, "double.txt"); // a typed extension gives way to ".prf"
    EXPECT_EQ(item(page, PresetList).rows(), (std::vector<std::string>{"double.prf", "Half.prf"}));
    EXPECT_TRUE(std::filesystem::exists(presetFolder() / "Half.prf"));
    EXPECT_EQ(std::filesystem::file_size(presetFolder() / "Half.prf"), sizeof(ScaleSettings));
}

TEST_F(PresetsPageTest, MakeDefaultTwiceOverwritesTheSamePreset)
{
    const xt::WindowRef page = openPage(PresetsPageWindow);
    act(page, DialogAction::click(MakeDefault));
    EXPECT_EQ(item(page, NameField).text(), "Default.prf");
    act(page, DialogAction::click(MakeDefault));
    EXPECT_EQ(item(page, PresetList).rows(), (std::vector<std::string>{"Default.prf"}));
}

TEST_F(PresetsPageTest, RenameKeepsThePresetFindableAndDeleteRemovesIt)
{
    const xt::WindowRef page = openPage(PresetsPageWindow);
    saveAs(page, "Small");
    act(page, DialogAction::choose(PresetList, 0));
    EXPECT_EQ(item(page, NameField).text(), "Small.prf");
    act(page, DialogAction::setText(NameField, "Tiny"));
    act(page, DialogAction::click(Rename));
    EXPECT_EQ(item(page, PresetList).rows(), (std::vector<std::string>{"Tiny.prf"}));
    EXPECT_TRUE(std::filesystem::exists(presetFolder() / "Tiny.prf"));

    act(page, DialogAction::choose(PresetList, 0));
    act(page, DialogAction::click(Delete));
    EXPECT_EQ(item(page, PresetList).rowCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(presetFolder() / "Tiny.prf"));
    EXPECT_EQ(item(page, NameField).text(), "");
}

TEST_F(PresetsPageTest, UseSettingsLoadsThePresetIntoTheRecord)
{
    const xt::WindowRef page = openPage(PresetsPageWindow);
    settings().ScaleGuides = 0;
    saveAs(page, "NoGuides");
    settings().ScaleGuides = 1;
    act(page, DialogAction::choose(PresetList, 0));
    act(page, DialogAction::click(UseSettings));
    EXPECT_EQ(settings().ScaleGuides, 0);
}

TEST_F(PresetsPageTest, SizePresetsOfferedForSelectionsAppearInThePalettesList)
{
    const xt::WindowRef palette = m_ui->openPalette();
    ASSERT_NE(palette, 0);
    EXPECT_EQ(paletteRows(palette), (std::vector<std::string>{"Current"}));

    const xt::WindowRef page = openPage(PresetsPageWindow);
    settings().ScaleByPercent = 1;
    saveAs(page, "Percent");
    settings().ScaleByPercent = 0;
    settings().ScaleWhat = ScaleSelectionOnly;
    saveAs(page, "Card");
    act(page, DialogAction::choose(PresetList, 1)); // "Percent.prf"
    EXPECT_FALSE(item(page, AddToFitTo).enabled());
    act(page, DialogAction::choose(PresetList, 0)); // "Card.prf"
    ASSERT_TRUE(item(page, AddToFitTo).enabled());
    act(page, DialogAction::click(AddToFitTo));
    EXPECT_EQ(paletteRows(palette), (std::vector<std::string>{"Current", "Card.prf"}));

    // A deleted preset leaves the palette's list at once.
    act(page, DialogAction::click(Delete));
    EXPECT_EQ(paletteRows(palette), (std::vector<std::string>{"Current"}));
}

TEST_F(PresetsPageTest, ADamagedPresetIsListedButNeverRewritten)
{
    std::filesystem::create_directories(presetFolder());
    const std::string damaged(10, 'x');
    {
        std::ofstream file(presetFolder() / "Broken.prf", std::ios::binary);
        file << damaged;
    }
    const xt::WindowRef page = openPage(PresetsPageWindow);
    ASSERT_EQ(item(page, PresetList).rows(), (std::vector<std::string>{"Broken.prf"}));
    act(page, DialogAction::choose(PresetList, 0));
    EXPECT_FALSE(item(page, AddToFitTo).enabled());
    EXPECT_EQ(std::filesystem::file_size(presetFolder() / "Broken.prf"), damaged.size());
}

TEST_F(PresetsPageTest, ThePalettesButtonsFollowTheCurrentBox)
{
    const xt::WindowRef palette = m_ui->openPalette();
    EXPECT_TRUE(item(palette, 1).enabled());
    for (int32_t disabled : {2, 3, 4})
        EXPECT_FALSE(item(palette, disabled).enabled()) << disabled;
    EXPECT_EQ(item(palette, 4).bitmap(), 23007);

    // An empty picture box has nothing to fit to; one holding a picture can fit itself to it.
    auto& box = testdoc::addPictureBox(*m_layout, 0, testdoc::rect(72, 72, 144, 144));
    testdoc::select(*m_layout, {box.ref()});
    host::ui::notifySelectionChanged();
    EXPECT_TRUE(item(palette, 4).enabled());
    EXPECT_TRUE(item(palette, 3).enabled());
    EXPECT_FALSE(item(palette, 2).enabled());
    EXPECT_EQ(item(palette, 2).bitmap(), 23012);

    xt::PictureFields picture = box.picture();
    picture.bounds[2] = 200;
    picture.bounds[3] = 100;
    box.setPicture(picture);
    host::ui::notifySelectionChanged();
    EXPECT_TRUE(item(palette, 2).enabled());
    EXPECT_EQ(item(palette, 2).bitmap(), 23010);

    auto& plain = testdoc::addBox(*m_layout, 0, testdoc::rect(200, 72, 244, 144));
    testdoc::select(*m_layout, {plain.ref()});
    host::ui::notifySelectionChanged();
    EXPECT_FALSE(item(palette, 2).enabled());
    EXPECT_EQ(item(palette, 2).bitmap(), 23008);
}

TEST_F(PresetsPageTest, ThePalettesPresetButtonScalesTheSelectionWithCurrent)
{
    auto& box = testdoc::addBox(*m_layout, 0, testdoc::rect(72, 72, 172, 172));
    testdoc::select(*m_layout, {box.ref()});
    const xt::WindowRef palette = m_ui->openPalette();
    settings().ScaleWhat = ScaleDocument; // "Current" always scales the selection
    settings().ScaleByPercent = 1;
    settings().HorizontalFactor = settings().VerticalFactor = 0x8000;
    const auto problem = host::ui::actOnPalette(palette, DialogAction::click(4));
    EXPECT_FALSE(problem) << *problem;
    EXPECT_EQ(settings().ScaleWhat, ScaleSelectionOnly);
    const xt::FixedRect scaled = m_layout->items().find(box.ref())->rect();
    EXPECT_EQ(scaled.bottom - scaled.top, testdoc::pt(50));
    EXPECT_EQ(scaled.right - scaled.left, testdoc::pt(50));
}

TEST_F(PresetsPageTest, APresetChosenOnThePaletteScalesTheSelectionToItsSize)
{
    auto& box = testdoc::addBox(*m_layout, 0, testdoc::rect(72, 72, 172, 172));
    testdoc::select(*m_layout, {box.ref()});
    const xt::WindowRef palette = m_ui->openPalette();
    const xt::WindowRef page = openPage(PresetsPageWindow);
    settings().ScaleWhat = ScaleSelectionOnly;
    settings().ScaleByPercent = 0;
    settings().Constrain = 0;
    settings().HorizontalEntry = settings().TargetWidth = testdoc::pt(300);
    settings().VerticalEntry = settings().TargetHeight = testdoc::pt(200);
    saveAs(page, "Card");
    act(page, DialogAction::choose(PresetList, 0));
    act(page, DialogAction::click(AddToFitTo));
    // The live settings move on; the palette scales with the preset's.
    settings().ScaleByPercent = 1;
    settings().HorizontalFactor = settings().VerticalFactor = testdoc::pt(1);
    host::ui::notifySelectionChanged();

    ASSERT_FALSE(host::ui::actOnPalette(palette, DialogAction::choose(3, 1)));
    const auto problem = host::ui::actOnPalette(palette, DialogAction::click(4));
    EXPECT_FALSE(problem) << *problem;

    const xt::FixedRect scaled = m_layout->items().find(box.ref())->rect();
    EXPECT_EQ(scaled.right - scaled.left, testdoc::pt(300));
    EXPECT_EQ(scaled.bottom - scaled.top, testdoc::pt(200));
}

} // namespace
} // namespace amplex::testing
