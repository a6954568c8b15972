// "Mockum Settings...": the dialog edits a copy that only OK hands back, then greeks in the chosen scope.
#include <gtest/gtest.h>

#include "mockum/tests/mockum_fixture.h"
#include "xtapi/text_records.h"

namespace mockum::testing {
namespace {

constexpr int32_t kItemTool = 0;

class SettingsDialogTest : public MockumTest {
protected:
    host::ui::DialogUser& user() { return m_host->windows().dialogUser(); }
    const std::vector<host::ui::DialogRecord>& dialogs() { return m_host->windows().dialogLog().entries(); }

    /// "large" at 18 pt and "small" at 10 pt, the box current with the item tool.
    int32_t twoSizes(size_t page = 0)
    {
        const int32_t box = textBox(page, rect(0, 0, 200, 400), "large small");
        storyOf(box).setCharacterValue({0, 5}, xt::kCharSize, pt(18));
        storyOf(box).setCharacterValue({6, 11}, xt::kCharSize, pt(10));
        select({box});
        useTool(kItemTool);
        return box;
    }
};

TEST_F(SettingsDialogTest, CancelKeepsTheSettingsAndTheText)
{
    const int32_t box = twoSizes();
    const std::string before = saved();
    user().click(1006);
    user().setText(1002, "12");
    user().cancel();

    ASSERT_TRUE(choose("Mockum Settings..."));
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].outcome, host::ui::DialogOutcome::Cancelled);
    EXPECT_EQ(saved(), before);
    EXPECT_EQ(m_host->undoText(), "");

    // "Greek any selected text" is still on: both words change.
    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    EXPECT_EQ(textOf(box), "legra sllam");
}

TEST_F(SettingsDialogTest, OkKeepsTheChoiceForTheNextCommand)
{
    const int32_t box = twoSizes();
    user().click(1006);
    user().setText(1002, "12");
    user().ok();
    ASSERT_TRUE(choose("Mockum Settings..."));
    EXPECT_EQ(textOf(box), "large sllam") << "greeked at once, below 12 pt only";

    ASSERT_TRUE(choose("Greek-Ungreek Text"));
    EXPECT_EQ(textOf(box), "large small") << "the greek item keeps the size rule";
}

TEST_F(SettingsDialogTest, AThresholdThatIsNoSizeKeepsTheOldOne)
{
    const int32_t box = twoSizes();
    user().click(1006);
    user().setText(1002, "tiny");
    user().ok();
    ASSERT_TRUE(choose("Mockum Settings..."));
    EXPECT_EQ(textOf(box), "large sllam") << "16 pt, the default";
}

TEST_F(SettingsDialogTest, WithoutACurrentBoxOnlyThePageRangeIsOffered)
{
    twoSizes();
    select({});
    user().click(1003);
    user().cancel();
    ASSERT_TRUE(choose("Mockum Settings..."));
    ASSERT_EQ(dialogs().size(), 1u);
    ASSERT_EQ(dialogs()[0].problems.size(), 1u);
    EXPECT_NE(dialogs()[0].problems[0].find("disabled"), std::string::npos) << dialogs()[0].problems[0];
}

} // namespace
} // namespace mockum::testing
