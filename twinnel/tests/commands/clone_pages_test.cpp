// Cloning listed pages into each kind of destination, checked on the layouts and on what was saved.
#include <gtest/gtest.h>

#include "host/model/document_json.h"
#include "twinnel/tests/twinnel_fixture.h"

namespace twinnel::testing {
namespace {

using Marks = std::vector<std::vector<int>>;

class ClonePagesTest : public TwinnelTest {
protected:
    /// Another project of `pages` pages, current while it is made; the source is current again after.
    host::model::Layout& otherProject(int32_t pages)
    {
        host::model::Layout& other = m_host->documents().newDocument({.pageCount = pages, .pageSize = {}, .name = "Other"});
        m_host->documents().setCurrent(&layout());
        return other;
    }
};

TEST_F(ClonePagesTest, CurrentLayoutTakesTheCopiesAfterTheListedPages)
{
    answerPages("2-3", CurrentLayoutRow);
    ASSERT_TRUE(clone());
    EXPECT_EQ(marks(layout()), (Marks{{10}, {20}, {30}, {20}, {30}, {40}}));
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(ClonePagesTest, NewLayoutIsMadeInTheSourceProject)
{
    answerPages("1-2", NewLayoutRow);
    ASSERT_TRUE(clone());
    ASSERT_EQ(projectCount(), 1u);
    ASSERT_EQ(project(0).layoutCount(), 2u);
    EXPECT_EQ(project(0).layout(1).name(), "Project1_clone");
    EXPECT_EQ(marks(project(0).layout(1)), (Marks{{10}, {20}}));
    EXPECT_EQ(currentId(), layout().id()) << "the source is current again";

    const auto file = outputFolder() / "saved.json";
    ASSERT_TRUE(host::model::saveDocument(project(0), file));
    host::model::Project& again = reopen(file);
    ASSERT_EQ(again.layoutCount(), 2u);
    EXPECT_EQ(marks(again.layout(1)), (Marks{{10}, {20}}));
}

TEST_F(ClonePagesTest, NewProjectHoldsOnlyTheClonedPagesWithTheSourceSetUp)
{
    answerPages("3 1", NewProjectRow);
    ASSERT_TRUE(clone());
    ASSERT_EQ(projectCount(), 2u);
    EXPECT_EQ(project(1).name(), "Project1_clone");
    const host::model::Layout& made = project(1).layout(0);
    EXPECT_EQ(marks(made), (Marks{{30}, {10}}));
    EXPECT_EQ(made.page(0).size(), layout().page(0).size());
    EXPECT_EQ(made.setup().margins(), layout().setup().margins());
    EXPECT_EQ(made.setup().facing(), layout().setup().facing());
}

TEST_F(ClonePagesTest, AProjectFileTakesThePagesAtTheToPage)
{
    host::model::DocumentModel elsewhere;
    host::model::Layout& target = elsewhere.newDocument({.pageCount = 2, .pageSize = {}, .name = "Target"});
    markPage(target, 1);
    const auto file = outputFolder() / "Target.json";
    ASSERT_TRUE(host::model::saveDocument(elsewhere.project(0), file));

    answerFile(file);
    answerPages("4", ProjectFileRow);
    ASSERT_TRUE(clone());
    ASSERT_EQ(projectCount(), 2u);
    EXPECT_EQ(marks(project(1).layout(0)), (Marks{{40}, {}, {20}}));
    EXPECT_EQ(currentId(), layout().id());
}

TEST_F(ClonePagesTest, AllOpenLayoutsAndOneOtherLayout)
{
    host::model::Layout& first = otherProject(1);
    host::model::Layout& second = otherProject(1);
    answerPages("4", AllOpenLayoutsRow);
    ASSERT_TRUE(clone());
    EXPECT_EQ(marks(first), (Marks{{40}, {}}));
    EXPECT_EQ(marks(second), (Marks{{40}, {}}));

    answerPages("2", FirstOtherLayoutRow + 1);
    ASSERT_TRUE(clone());
    EXPECT_EQ(marks(first), (Marks{{40}, {}}));
    EXPECT_EQ(marks(second), (Marks{{20}, {40}, {}}));
}

TEST_F(ClonePagesTest, APageTakesItsRulerGuidesAlong)
{
    xt::GuideEntry entry{};
    entry.position = pt(144);
    layout().guides().add({xt::kGuidePageSet, layout().page(1).ref()}, host::model::GuideKind::Vertical, entry);
    answerPages("2", NewProjectRow);
    ASSERT_TRUE(clone());
    const host::model::Layout& made = project(1).layout(0);
    const auto guides = made.guides().guides({xt::kGuidePageSet, made.page(0).ref()}, host::model::GuideKind::Vertical);
    ASSERT_EQ(guides.size(), 1u);
    EXPECT_EQ(guides[0].position(), pt(144));
}

TEST_F(ClonePagesTest, AllOpenLayoutsWithNoOtherLayoutCopiesNothing)
{
    const std::string before = saved();
    answerPages("All", AllOpenLayoutsRow);
    ASSERT_TRUE(clone());
    EXPECT_EQ(saved(), before);
    EXPECT_EQ(projectCount(), 1u);
}

TEST_F(ClonePagesTest, ABadPageListIsRefusedAndChangesNothing)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"3-", "The range \"3-\" needs a page on both sides of the hyphen."},
        {"4-2", "The range \"4-2\" runs backwards: type the lower page first."},
        {"9", "No page of the layout is named \"9\"."},
        {",", "Type the pages to use: for example 1, 3-5 or All."},
    };
    const std::string before = saved();
    for (const auto& c : cases) {
        answerPages(c.text, NewProjectRow);
        ASSERT_TRUE(clone()) << c.text;
        ASSERT_FALSE(messageTexts().empty()) << c.text;
        EXPECT_EQ(messageTexts().back(), c.message);
        EXPECT_EQ(saved(), before) << c.text;
        EXPECT_EQ(projectCount(), 1u) << c.text;
    }
}

TEST_F(ClonePagesTest, MultipleSectionsStartAtEachBreakInTheList)
{
    auto& user = m_host->windows().dialogUser();
    user.setText(9, "2, 3, 4");
    user.check(18, true);
    user.check(20, true);
    user.choose(7, NewProjectRow);
    user.ok();
    ASSERT_TRUE(clone());
    const host::model::Layout& made = project(1).layout(0);
    EXPECT_EQ(made.sections().starts().size(), 1u) << "2, 3, 4 follow each other";

    user.setText(9, "2, 3, 1");
    user.check(18, true);
    user.check(20, true);
    user.choose(7, NewProjectRow);
    user.ok();
    ASSERT_TRUE(clone());
    EXPECT_EQ(project(2).layout(0).sections().starts().size(), 2u) << "at the copies of 2 and 1";
}

} // namespace
} // namespace twinnel::testing
