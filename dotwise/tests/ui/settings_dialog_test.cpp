// The settings dialog from the "VORNE" menu: the bullet font popup from the installed families, the
// Character field, the gap amounts that only a tab gap uses, OK saving the file and Cancel keeping it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dotwise/tests/dotwise_host_fixture.h"
#include "win32/standin.h"

namespace dotwise::testing {
namespace {

class SettingsDialogTest : public DotwiseHostTest {
protected:
    void SetUp() override
    {
        DotwiseHostTest::SetUp();
        m_host->startSession();
        m_host->updateMenus();
        win32::setFontFamilies({"Zeta Sans", "Alpha Serif", "Mid Mono"});
    }

    host::ui::DialogUser& user() { return m_host->windows().dialogUser(); }
    const std::vector<host::ui::DialogRecord>& dialogs() { return m_host->windows().dialogLog().entries(); }

    /// Runs the dialog with the queued actions; the record as the settings file then holds it.
    ListSettings runDialog()
    {
        EXPECT_TRUE(m_host->chooseMenuItem("VORNE > Dotwise..."));
        ListSettings saved = defaultListSettings();
        m_probe->loadSettingsFile(&saved);
        return saved;
    }

    std::filesystem::path settingsFile() const { return realPath("Dotwise Settings"); }
};

TEST_F(SettingsDialogTest, TheFontPopupOffersSameFontThenTheFamiliesSorted)
{
    user().choose(21, 1);
    user().ok();
    ListSettings saved = runDialog();
    EXPECT_STREQ(saved.bulletFont, "Alpha Serif");
    EXPECT_EQ(saved.bulletFontIndex, 1);

    user().choose(21, 3);
    user().ok();
    saved = runDialog();
    EXPECT_STREQ(saved.bulletFont, "Zeta Sans");

    user().ok();
    EXPECT_STREQ(runDialog().bulletFont, "Zeta Sans") << "the saved family is chosen again when the dialog opens";
    ASSERT_EQ(dialogs().size(), 3u);
    EXPECT_TRUE(dialogs()[2].problems.empty());
}

TEST_F(SettingsDialogTest, AFamilyNoLongerInstalledFallsBackToSameFont)
{
    ListSettings stored = defaultListSettings();
    std::snprintf(stored.bulletFont, kNameSize, "%s", "Gone Gothic");
    ASSERT_EQ(m_probe->saveSettings(&stored), 0);
    user().ok();
    EXPECT_STREQ(runDialog().bulletFont, kSameFont);
}

TEST_F(SettingsDialogTest, TheCharacterFieldKeepsItsFirstCharacterAndAnEmptyOneKeepsTheBullet)
{
    user().setText(22, "\xC2\xBBxy");  // U+00BB then two more
    user().ok();
    EXPECT_EQ(runDialog().bulletChar, 0xBB);

    user().setText(22, "");
    user().ok();
    EXPECT_EQ(runDialog().bulletChar, 0xBB) << "no NUL character goes into the record";

    user().ok();
    EXPECT_EQ(runDialog().bulletChar, 0xBB) << "the field shows the saved bullet when the dialog opens";
}

TEST_F(SettingsDialogTest, GapAndLeadAmountsOnlyForATabGap)
{
    user().choose(17, 1);  // Space
    user().setText(18, "6 pt");
    user().ok();
    ListSettings saved = runDialog();
    EXPECT_EQ(saved.gapKind, GapSpace);
    EXPECT_EQ(saved.gapAmount, pt(9));
    ASSERT_EQ(dialogs().size(), 1u);
    ASSERT_EQ(dialogs()[0].problems.size(), 1u);
    EXPECT_NE(dialogs()[0].problems[0].find("disabled"), std::string::npos) << dialogs()[0].problems[0];

    user().choose(17, 2);  // Tab
    user().setText(18, "6 pt");
    user().setText(19, "10 pt");
    user().ok();
    saved = runDialog();
    EXPECT_EQ(saved.gapKind, GapTab);
    EXPECT_EQ(saved.gapAmount, pt(6));
    EXPECT_EQ(saved.leadAmount, pt(10));
}

TEST_F(SettingsDialogTest, OkSavesTheFieldsAndCancelLeavesTheFileAlone)
{
    user().setText(4, "24 pt");
    user().choose(26, 6);  // "IV."
    user().check(33, true);
    user().cancel();
    runDialog();
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));
    EXPECT_EQ(settings().leftIndent[1], pt(36));

    user().setText(4, "24 pt");
    user().choose(26, 6);
    user().check(33, true);
    user().ok();
    const ListSettings saved = runDialog();
    EXPECT_EQ(std::filesystem::file_size(settingsFile()), 464u);
    EXPECT_EQ(saved.leftIndent[1], pt(24));
    EXPECT_EQ(saved.numberType[1], NumberUpperRoman);
    EXPECT_EQ(saved.boldMarkers, 1);
}

TEST_F(SettingsDialogTest, WithoutStyleSheetsTheStylePopupsOfferNoOverrideOnly)
{
    user().choose(6, 1);
    user().choose(24, 1);
    user().ok();
    const ListSettings saved = runDialog();
    EXPECT_EQ(saved.levelStyleId[1], kNoStyle);
    EXPECT_EQ(saved.bulletStyleId, kNoStyle);
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].problems.size(), 2u) << "row 1 of an empty style popup cannot be chosen";
}

} // namespace
} // namespace dotwise::testing
