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
    user().setText(4, "2.5");  // no whole number
    user().ok();
    user().setText(4, "11");   // above the field's range
    user().ok();
    user().setText(4, "7");
    user().setText(3, "free text, 12 pt");
    user().ok();
    ASSERT_TRUE(host().chooseMenuItem("Windows > Fields..."));
    EXPECT_EQ(events(), (Lines{"opened: text \xE2\x80\xA2 bullet, count 2", "ok refused: count 2.5", "ok refused: count 11",
        "ok: text free text, 12 pt, count 458752, angle unreadable", "fields result 1"}));
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs().back().outcome, host::ui::DialogOutcome::Ok);
    EXPECT_TRUE(dialogs().back().problems.empty());
}

TEST_F(WindowProbeTest, ARefusedOkWithNoMoreActionsIsCancelledByTheHost)
{
    user().setText(4, "0");
    user().ok();
    ASSERT_TRUE(host().chooseMenuItem("Windows > Fields..."));
    EXPECT_EQ(events(), (Lines{"opened: text \xE2\x80\xA2 bullet, count 2", "ok refused: count 0", "cancel", "fields result 0"}));
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
