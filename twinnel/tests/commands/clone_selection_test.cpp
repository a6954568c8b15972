// Cloning the selected box: copies on the to page and after, the page-insert question, and the
// destinations a box cannot go to.
#include <gtest/gtest.h>

#include "host/model/document_json.h"
#include "twinnel/resources/dialog_resources.h"
#include "twinnel/tests/twinnel_fixture.h"

namespace twinnel::testing {
namespace {

using Marks = std::vector<std::vector<int>>;

class CloneSelectionTest : public TwinnelTest {};

TEST_F(CloneSelectionTest, OneCopyLandsOnTheToPage)
{
    select({m_sourceBox});
    answerSelection(3, 1, CurrentLayoutRow);
    ASSERT_TRUE(clone());
    EXPECT_EQ(marks(layout()), (Marks{{10}, {20}, {10, 30}, {40}}));
}

TEST_F(CloneSelectionTest, AShortDestinationAsksBeforePagesAreAdded)
{
    select({m_sourceBox});
    answerSelection(5, 3, CurrentLayoutRow);
    m_host->windows().dialogUser().ok();
    ASSERT_TRUE(clone());
    EXPECT_EQ(marks(layout()), (Marks{{10}, {20}, {30}, {40}, {10}, {10}, {10}}));
    const auto& dialogs = m_host->windows().dialogLog().entries();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].resourceId, kInsertPagesResource);
}

TEST_F(CloneSelectionTest, CancellingTheQuestionCopiesNothing)
{
    select({m_sourceBox});
    const std::string before = saved();
    answerSelection(5, 3, CurrentLayoutRow);
    m_host->windows().dialogUser().cancel();
    ASSERT_TRUE(clone());
    EXPECT_EQ(saved(), before);
}

TEST_F(CloneSelectionTest, ANewProjectGetsAPagePerCopyAndNoneToSpare)
{
    select({m_sourceBox});
    answerSelection(1, 3, NewProjectRow);
    ASSERT_TRUE(clone());
    ASSERT_EQ(projectCount(), 2u);
    EXPECT_EQ(marks(project(1).layout(0)), (Marks{{10}, {10}, {10}}));
}

TEST_F(CloneSelectionTest, ABoxHasNoSplitOfLayoutsToGoTo)
{
    select({m_sourceBox});
    const std::string before = saved();
    auto& user = m_host->windows().dialogUser();
    user.choose(DestinationPopup, SplitLayoutsRow);
    user.cancel();
    clone();
    const auto& dialogs = m_host->windows().dialogLog().entries();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_FALSE(dialogs[0].problems.empty()) << "the entry is disabled while the source is the selection";
    EXPECT_EQ(saved(), before);
    EXPECT_EQ(projectCount(), 1u);
}

} // namespace
} // namespace twinnel::testing
