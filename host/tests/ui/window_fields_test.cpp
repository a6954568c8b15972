// Fields as the plug-ins set them up: text fields, whole numbers and degrees, the text form of SetFieldText,
// an OK the dialog refuses, and the host's main window.
#include <gtest/gtest.h>

#include "host/tests/window_fixture.h"

namespace host_tests {
namespace {

using Lines = std::vector<std::string>;

TEST_F(WindowProbeTest, FieldsShowTextAndNumbersInTheirUnits)
{
    user().setText(5, "45\xC2\xB0");
    user().ok();
    ASSERT_TRUE(host().chooseMenuItem("Windows > Fields..."));
    EXPECT_EQ(events(), (Lines{"opened: text \xE2\x80\xA2 bullet, count 2", "ok: text \xE2\x80\xA2 bullet, count 131072, angle 2949120",
        "fields result 1"}));
}

TEST_F(WindowProbeTest, AnOkTheDialogRefusesKeepsItOpenForTheUser)
{
    user().setText(3, "");
    user().ok();
    user().setText(3, "free text, 12 pt");
    user().ok();
    ASSERT_TRUE(host().chooseMenuItem("Windows > Fields..."));
    // The angle field was left as the dialog made it, empty: the host checks only what the user typed.
    EXPECT_EQ(events(), (Lines{"opened: text \xE2\x80\xA2 bullet, count 2", "ok refused: no text",
        "ok: text free text, 12 pt, count 131072, angle unreadable", "fields result 1"}));
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs().back().outcome, host::ui::DialogOutcome::Ok);
    EXPECT_TRUE(dialogs().back().problems.empty());
}

// Typed text a numeric field cannot take never reaches the dialog: the host says which values the field
// takes, on OK or when the user leaves the field, and the dialog stays open for the user to mend it.
TEST_F(WindowProbeTest, TheHostRefusesTypedTextItsFieldCannotTakeAndKeepsTheDialogOpen)
{
    user().setText(4, "2.5");  // no whole number: refused on OK
    user().ok();
    user().setText(4, "11");   // above the field's range: refused on leaving the field for another
    user().setText(3, "free text, 12 pt");
    user().setText(4, "7");
    user().setText(3, "free text, 12 pt");
    user().ok();
    ASSERT_TRUE(host().chooseMenuItem("Windows > Fields..."));
    EXPECT_EQ(events(), (Lines{"opened: text \xE2\x80\xA2 bullet, count 2",
        "ok: text free text, 12 pt, count 458752, angle unreadable", "fields result 1"}));
    std::vector<std::string> messages;
    for (const auto& box : host().messageBoxes())
        messages.push_back(box.text);
    EXPECT_EQ(messages, (Lines{"\"2.5\" is not a value this field takes. Enter a value between 1 and 10.",
        "\"11\" is not a value this field takes. Enter a value between 1 and 10."}));
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs().back().outcome, host::ui::DialogOutcome::Ok);
    EXPECT_EQ(dialogs().back().refusedFields, (Lines{"item 4 \"2.5\"", "item 4 \"11\""}));
    EXPECT_TRUE(dialogs().back().problems.empty());
}

TEST_F(WindowProbeTest, ARefusedOkWithNoMoreActionsIsCancelledByTheHost)
{
    user().setText(4, "0");
    user().ok();
    ASSERT_TRUE(host().chooseMenuItem("Windows > Fields..."));
    EXPECT_EQ(events(), (Lines{"opened: text \xE2\x80\xA2 bullet, count 2", "cancel", "fields result 0"}));
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs().back().outcome, host::ui::DialogOutcome::Cancelled);
    EXPECT_TRUE(dialogs().back().unexpected);
}

TEST_F(WindowProbeTest, ThePlugInGetsTheHostsMainWindow)
{
    EXPECT_TRUE(symbol<bool (*)()>("WindowProbeHostWindowIsAWindow")());
}

} // namespace
} // namespace host_tests
