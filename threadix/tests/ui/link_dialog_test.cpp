// The link dialog's opening state, the items that follow the action chosen, the help dialog, and the
// menu item's enabling. A click on a disabled item is what the dialog log notes as a problem.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/model/text/text_boxes.h"
#include "threadix/tests/threadix_fixture.h"

namespace threadix::testing {
namespace {

using host::ui::DialogAction;

class LinkDialogTest : public ThreadixTest {
protected:
    /// Runs the dialog with `actions` then Cancel; the problems the link dialog noted.
    std::vector<std::string> problemsOf(const std::vector<DialogAction>& actions)
    {
        for (const auto& action : actions)
            user().queue(action);
        user().cancel();
        EXPECT_TRUE(m_host->chooseMenuItem("VORNE > Threadix..."));
        const auto link = std::find_if(dialogs().rbegin(), dialogs().rend(),
            [](const host::ui::DialogRecord& d) { return d.title == "Threadix"; });
        return link == dialogs().rend() ? std::vector<std::string>{"no dialog"} : link->problems;
    }

    bool menuShows(const std::string& line)
    {
        m_host->updateMenus();
        const auto lines = m_host->menuLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(LinkDialogTest, WhatTheUserMayChangeFollowsTheSelectionAndTheAction)
{
    struct Case {
        const char* name;
        bool boxSelected;
        std::vector<DialogAction> actions;
        bool refused;
    };
    const Case cases[] = {
        {"a box: the page field is off", true, {DialogAction::setText(kPageField, "2")}, true},
        {"a box: Pages turns the page field on", true, {DialogAction::click(kPages), DialogAction::setText(kPageField, "2")}, false},
        {"no box: Selection is off", false, {DialogAction::click(kSelection)}, true},
        {"no box: the page field is on", false, {DialogAction::setText(kPageField, "2")}, false},
        {"Unlink: keep text is off", false, {DialogAction::check(kKeepText, true)}, true},
        {"Link: keep text is on", false, {DialogAction::click(kLink), DialogAction::check(kKeepText, true)}, false},
        {"Link: the modes are off", false, {DialogAction::click(kLink), DialogAction::click(kFlowAround)}, true},
        {"Link then Unlink: the modes are on", false,
            {DialogAction::click(kLink), DialogAction::click(kUnlink), DialogAction::click(kCutAtStart)}, false},
    };
    const int32_t box = lineBox(0, 0, "one");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        select(c.boxSelected ? std::vector<int32_t>{box} : std::vector<int32_t>{});
        EXPECT_EQ(!problemsOf(c.actions).empty(), c.refused);
    }
}

TEST_F(LinkDialogTest, ThePageFieldSaysAllAtEveryOpening)
{
    std::vector<int32_t> firsts;
    for (size_t page = 0; page < 3; ++page) {
        firsts.push_back(lineBox(page, 0, "a\rb"));
        ASSERT_TRUE(host::model::linkTextBoxes(layout(), firsts.back(), lineBox(page, 1)));
    }
    select({});
    ASSERT_TRUE(runThreadix({DialogAction::setText(kPageField, "2")}));
    EXPECT_NE(layout().stories().nextBox(firsts[0]), 0);
    EXPECT_EQ(layout().stories().nextBox(firsts[1]), 0);
    ASSERT_TRUE(runThreadix({}));
    EXPECT_EQ(layout().stories().nextBox(firsts[0]), 0) << "\"All\" again";
}

TEST_F(LinkDialogTest, TheHelpButtonOpensTheHelp)
{
    select({});
    user().click(kHelp);
    user().ok();
    user().cancel();
    ASSERT_TRUE(m_host->chooseMenuItem("VORNE > Threadix..."));
    ASSERT_EQ(dialogs().size(), 2u);
    EXPECT_EQ(dialogs()[0].title, "Threadix");
    EXPECT_EQ(dialogs()[1].title, "Threadix Help");
    EXPECT_EQ(dialogs()[1].outcome, host::ui::DialogOutcome::Ok);
}

TEST_F(LinkDialogTest, TheItemIsEnabledWithADocumentWhateverIsSelected)
{
    select({});
    EXPECT_TRUE(menuShows("VORNE > Threadix..."));
}

} // namespace
} // namespace threadix::testing
