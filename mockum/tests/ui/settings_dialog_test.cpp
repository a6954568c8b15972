// "Mockum Settings...": the dialog edits a copy that only OK hands back, then greeks in the chosen scope.
#include <gtest/gtest.h>

#include "mockum/tests/mockum_fixture.h"
#include "xtapi/text_records.h"

namespace mockum::testing {
namespace {

constexpr int32_t kItemTool = 0;

class SettingsDialogTest : public MockumTest {
protected:
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

struct BadField {
    int32_t item;
    const char* typed;
    const char* message;
};

// The fields take any text (unit 1000); Mockum reads it and refuses what is no value.
const BadField kBadFields[] = {
    {1000, "abc", "From: \"abc\" is no page number. Type a whole number from 1 to 1000."},
    {1000, "3-", "From: \"3-\" is no page number. Type a whole number from 1 to 1000."},
    {1000, "0", "From: \"0\" is no page number. Type a whole number from 1 to 1000."},
    {1001, "", "To: the field is empty. Type a whole number from 1 to 1000."},
    {1001, "1001", "To: \"1001\" is no page number. Type a whole number from 1 to 1000."},
    {1001, "99999999999", "To: \"99999999999\" is no page number. Type a whole number from 1 to 1000."},
    {1002, "tiny", "Greek text below: \"tiny\" is no size. Type a number of points above 0 and up to 1000."},
    {1002, "-4", "Greek text below: \"-4\" is no size. Type a number of points above 0 and up to 1000."},
    {1002, "0", "Greek text below: \"0\" is no size. Type a number of points above 0 and up to 1000."},
};

TEST_F(SettingsDialogTest, EachFieldRefusesTextThatIsNoValueWithAMessageAndChangesNothing)
{
    for (const BadField& bad : kBadFields) {
        SCOPED_TRACE(std::string(bad.typed) + " in " + std::to_string(bad.item));
        newDocument(2);
        const int32_t box = twoSizes();
        const std::string before = saved();
        const size_t messagesBefore = messageTexts().size();
        const size_t dialogsBefore = dialogs().size();
        user().click(1006);
        user().setText(bad.item, bad.typed);
        user().ok();

        ASSERT_TRUE(choose("Mockum Settings..."));
        ASSERT_EQ(dialogs().size(), dialogsBefore + 1);
        EXPECT_EQ(dialogs().back().outcome, host::ui::DialogOutcome::Cancelled) << "OK kept the dialog open";
        ASSERT_EQ(messageTexts().size(), messagesBefore + 1);
        EXPECT_EQ(messageTexts().back(), bad.message);
        EXPECT_EQ(saved(), before);

        // "Greek any selected text" is still on: both words change.
        ASSERT_TRUE(choose("Greek-Ungreek Text"));
        EXPECT_EQ(textOf(box), "legra sllam");
    }
}

TEST_F(SettingsDialogTest, AfterARefusedOkTheUserCanMendTheFieldAndGoOn)
{
    const int32_t box = twoSizes();
    user().click(1006);
    user().setText(1002, "tiny");
    user().ok();
    user().setText(1002, "12");
    user().ok();

    ASSERT_TRUE(choose("Mockum Settings..."));
    EXPECT_EQ(dialogs().back().outcome, host::ui::DialogOutcome::Ok);
    EXPECT_EQ(messageTexts().size(), 1u);
    EXPECT_EQ(textOf(box), "large sllam");
}

TEST_F(SettingsDialogTest, AThresholdIsReadWithDecimalsAndComparedStrictly)
{
    const struct {
        const char* typed;
        const char* text;
    } cases[] = {{"10", "large small"}, {"10.5", "large sllam"}, {"18", "large sllam"}, {"18.25", "legra sllam"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        newDocument(2);
        const int32_t box = twoSizes();
        user().click(1006);
        user().setText(1002, c.typed);
        user().ok();
        ASSERT_TRUE(choose("Mockum Settings..."));
        EXPECT_EQ(textOf(box), c.text);
    }
}

TEST_F(SettingsDialogTest, ABackwardPageRangeIsRefused)
{
    const int32_t box = twoSizes(1);
    user().click(1005);
    user().setText(1000, "2");
    user().setText(1001, "1");
    user().ok();

    ASSERT_TRUE(choose("Mockum Settings..."));
    ASSERT_EQ(messageTexts().size(), 1u);
    EXPECT_EQ(messageTexts()[0], "The page range runs backwards: From 2 comes after To 1.");
    EXPECT_EQ(textOf(box), "large small");
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
