// The clone dialog: what it offers with and without a selection, the other open layouts in its popup,
// and a page list that starts again from "All".
#include <gtest/gtest.h>

#include "twinnel/resources/dialog_resources.h"
#include "twinnel/tests/twinnel_fixture.h"

namespace twinnel::testing {
namespace {

using CloneDialogTest = TwinnelTest;

TEST_F(CloneDialogTest, WithoutASelectionOnlyPagesAreOffered)
{
    user().check(SelectionRadio, true);
    user().cancel();
    clone();
    ASSERT_EQ(dialogs().size(), 1u);
    ASSERT_EQ(dialogs()[0].problems.size(), 1u);
    EXPECT_NE(dialogs()[0].problems[0].find("disabled"), std::string::npos) << dialogs()[0].problems[0];
}

TEST_F(CloneDialogTest, WithASelectionThePageListIsOff)
{
    select({m_sourceBox});
    user().setText(PageTextField, "2");
    user().cancel();
    clone();
    ASSERT_EQ(dialogs()[0].problems.size(), 1u);
    EXPECT_NE(dialogs()[0].problems[0].find("disabled"), std::string::npos) << dialogs()[0].problems[0];
}

TEST_F(CloneDialogTest, ThePopupListsTheOtherOpenLayouts)
{
    user().choose(DestinationPopup, FirstOtherLayoutRow);
    user().cancel();
    clone();
    ASSERT_EQ(dialogs()[0].problems.size(), 1u) << "no other layout is open";

    m_host->documents().newDocument({.pageCount = 1, .pageSize = {}, .name = "Other"});
    m_host->documents().setCurrent(&layout());
    user().choose(DestinationPopup, FirstOtherLayoutRow);
    user().cancel();
    clone();
    EXPECT_TRUE(dialogs()[1].problems.empty());
}

TEST_F(CloneDialogTest, EveryCommandStartsFromAllPages)
{
    answerPages("2", NewProjectRow);
    ASSERT_TRUE(clone());
    user().choose(DestinationPopup, NewProjectRow);
    user().ok();
    ASSERT_TRUE(clone());
    ASSERT_EQ(projectCount(), 3u);
    EXPECT_EQ(project(1).layout(0).pageCount(), 1u);
    EXPECT_EQ(project(2).layout(0).pageCount(), 4u);
}

} // namespace
} // namespace twinnel::testing
