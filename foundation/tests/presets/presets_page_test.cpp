// The Presets page as the user drives it: the buttons each state enables, and what Save, Delete,
// Make Default and Use Settings leave in the folder, the list and the working record.
#include <vector>

#include "foundation/presets/presets_page.h"
#include "foundation/tests/presets/presets_fixture.h"
#include "host/ui/window_events.h"
#include "xtapi/window_callback.h"

namespace foundation_test {
namespace {

constexpr xt::WindowRef kPage = 4712;

class PresetsPageTest : public PresetsTest {
protected:
    void SetUp() override
    {
        PresetsTest::SetUp();
        host::ui::Window& page = host().windows().open(kPage, api().windowId(1));
        page.addItem(foundation::PresetListItem, host::ui::ItemKind::List);
        page.addItem(foundation::PresetNameField, host::ui::ItemKind::EditText);
        for (int32_t button = foundation::PresetReplaceButton; button <= foundation::PresetMakeDefaultButton; ++button)
            page.addItem(button, host::ui::ItemKind::Button);
    }

    host::ui::WindowItem& pageItem(int32_t item) { return *host().windows().find(kPage)->item(item); }

    void send(int32_t event, int32_t item = 0)
    {
        inProbe([&] { host::ui::sendEvent(kPage, event, item); });
    }

    void open()
    {
        send(xt::CreatedEvent);
        send(xt::WindowOpened);
    }

    void choose(int32_t row)
    {
        pageItem(foundation::PresetListItem).select(row);
        send(xt::ItemHit, foundation::PresetListItem);
    }

    void type(const std::string& name)
    {
        pageItem(foundation::PresetNameField).setText(name);
        send(xt::ItemHit, foundation::PresetNameField);
    }

    void press(int32_t button) { send(xt::ItemHit, button); }

    std::vector<int32_t> enabledButtons()
    {
        std::vector<int32_t> enabled;
        for (int32_t button = foundation::PresetReplaceButton; button <= foundation::PresetMakeDefaultButton; ++button) {
            if (pageItem(button).enabled())
                enabled.push_back(button);
        }
        return enabled;
    }
};

TEST_F(PresetsPageTest, EachButtonIsEnabledExactlyWhenItCanAct)
{
    using namespace foundation;
    writePreset("Card.prf", settingsWith(1));
    open();
    const struct {
        const char* what;
        int32_t row;       // -1 chooses nothing
        const char* name;  // typed after the choice; null keeps what the choice put in
        std::vector<int32_t> enabled;
    } cases[] = {
        {"nothing chosen, no name", -1, "", {PresetRevertAllButton, PresetMakeDefaultButton}},
        {"nothing chosen, a name", -1, "Half", {PresetSaveButton, PresetRevertAllButton, PresetMakeDefaultButton}},
        {"a preset chosen", 0, nullptr,
            {PresetReplaceButton, PresetDeleteButton, PresetSaveButton, PresetRenameButton, PresetUseSettingsButton,
                PresetRevertAllButton, PresetMakeDefaultButton}},
        {"a preset chosen, its name cleared", 0, "",
            {PresetReplaceButton, PresetDeleteButton, PresetUseSettingsButton, PresetRevertAllButton,
                PresetMakeDefaultButton}},
    };
    for (const auto& c : cases) {
        choose(c.row);
        if (c.name)
            type(c.name);
        EXPECT_EQ(enabledButtons(), c.enabled) << c.what;
    }
}

TEST_F(PresetsPageTest, SaveListsTheNewPresetAndDeleteKeepsTheSelectionInPlace)
{
    writePreset("Alpha.prf", settingsWith(1));
    writePreset("Beta.prf", settingsWith(2));
    open();
    api().workingSettings()->value = 3;
    type("Gamma");
    press(foundation::PresetSaveButton);
    ASSERT_EQ(pageItem(foundation::PresetListItem).rows(), (Names{"Alpha.prf", "Beta.prf", "Gamma.prf"}));
    EXPECT_EQ(pageItem(foundation::PresetListItem).selection(), 2);
    EXPECT_EQ(readFile(presetFolder() / "Gamma.prf").size(), sizeof(probe::ProbeSettings));

    choose(1);
    press(foundation::PresetDeleteButton);
    EXPECT_EQ(pageItem(foundation::PresetListItem).rows(), (Names{"Alpha.prf", "Gamma.prf"}));
    EXPECT_EQ(pageItem(foundation::PresetListItem).selection(), 1) << "the row that took the deleted one's place";
    choose(1);
    press(foundation::PresetDeleteButton);
    EXPECT_EQ(pageItem(foundation::PresetListItem).selection(), 0) << "past the end, the last row";
    EXPECT_EQ(filesIn(presetFolder()), (FileSet{"Alpha.prf"}));
}

TEST_F(PresetsPageTest, MakeDefaultSavesOnceThenReplacesAndUseSettingsReadsItBack)
{
    open();
    api().workingSettings()->value = 5;
    press(foundation::PresetMakeDefaultButton);
    ASSERT_EQ(pageItem(foundation::PresetListItem).rows(), (Names{"Default.prf"}));
    EXPECT_EQ(pageItem(foundation::PresetNameField).text(), "Default.prf");

    api().workingSettings()->value = 6;
    press(foundation::PresetMakeDefaultButton);
    EXPECT_EQ(pageItem(foundation::PresetListItem).rows(), (Names{"Default.prf"})) << "written over, not added twice";

    api().workingSettings()->value = 0;
    choose(0);
    press(foundation::PresetUseSettingsButton);
    EXPECT_EQ(api().workingSettings()->value, 6);
    EXPECT_TRUE(host().messageBoxes().empty());
}

} // namespace
} // namespace foundation_test
