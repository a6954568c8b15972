// The splits: a project per page or per layout, saved beside each other under names no file had, and a
// folder that cannot take a file left as it was.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <tuple>

#include "host/model/document_json.h"
#include "twinnel/tests/twinnel_fixture.h"

namespace twinnel::testing {
namespace {

using Marks = std::vector<std::vector<int>>;

class SplitTest : public TwinnelTest {
protected:
    static std::string contentOf(const std::filesystem::path& file)
    {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(SplitTest, EachListedPageBecomesASavedProject)
{
    const auto folder = outputFolder();
    answerFolder(folder);
    answerPages("1, 3", SplitPagesRow);
    ASSERT_TRUE(clone());
    EXPECT_EQ(filesIn(folder), (std::vector<std::string>{"Project1_1.json", "Project1_3.json"}));
    EXPECT_EQ(marks(reopen(folder / "Project1_1.json").layout(0)), (Marks{{10}}));
    EXPECT_EQ(marks(reopen(folder / "Project1_3.json").layout(0)), (Marks{{30}}));
    EXPECT_EQ(reopen(folder / "Project1_3.json").name(), "Project1_3");
    EXPECT_EQ(projectCount(), 1u) << "each split project is closed once saved";
    EXPECT_EQ(currentId(), layout().id());
}

TEST_F(SplitTest, EachSplitProjectKeepsTheMastersItsPagesShow)
{
    // Something on A-Master, and page 3 based on B-Master with something of its own.
    layout().items().addItem(layout().masters().page(0).ref(), xt::BoxKind::Plain, xt::shape::kRectangle, rect(5, 5, 15, 25));
    const size_t b = layout().masters().addSpread();
    layout().items().addItem(layout().masters().page(b).ref(), xt::BoxKind::Plain, xt::shape::kRectangle, rect(40, 40, 60, 90));
    layout().page(2).setMasterSpread(1);
    const auto folder = outputFolder();
    answerFolder(folder);
    answerPages("1, 3", SplitPagesRow);
    ASSERT_TRUE(clone());
    for (const auto& [file, master, top] : {std::tuple{"Project1_1.json", 0u, 5}, std::tuple{"Project1_3.json", 1u, 40}}) {
        SCOPED_TRACE(file);
        const host::model::Layout& saved = reopen(folder / file).layout(0);
        ASSERT_EQ(saved.masters().spreadCount(), 2u);
        EXPECT_EQ(saved.page(0).masterSpread(), master);
        const auto onMaster = saved.items().topLevelOnPage(saved.masters().page(master).ref());
        ASSERT_EQ(onMaster.size(), 1u) << "the item of the page's master is in the file";
        EXPECT_EQ(saved.items().find(onMaster[0])->rect().top, pt(top));
    }
}

TEST_F(SplitTest, NamesAreMadeUniqueAndNoFileIsOverwritten)
{
    const auto folder = outputFolder();
    std::ofstream(folder / "Project1_2.json") << "a file the user had";
    answerFolder(folder);
    answerPages("2 2", SplitPagesRow);
    ASSERT_TRUE(clone());
    EXPECT_EQ(filesIn(folder), (std::vector<std::string>{"Project1_2-2.json", "Project1_2-3.json", "Project1_2.json"}));
    EXPECT_EQ(contentOf(folder / "Project1_2.json"), "a file the user had");
    EXPECT_EQ(marks(reopen(folder / "Project1_2-3.json").layout(0)), (Marks{{20}}));
}

TEST_F(SplitTest, EachLayoutBecomesASavedProject)
{
    host::model::Layout& back = project(0).addLayout("Back Cover");
    back.appendPage({});
    back.appendPage({});
    markPage(back, 1);
    const auto folder = outputFolder();
    answerFolder(folder);
    answerPages("All", SplitLayoutsRow);
    ASSERT_TRUE(clone());
    EXPECT_EQ(filesIn(folder), (std::vector<std::string>{"Back Cover.json", "Layout 1.json"}));
    EXPECT_EQ(marks(reopen(folder / "Layout 1.json").layout(0)), (Marks{{10}, {20}, {30}, {40}}));
    EXPECT_EQ(marks(reopen(folder / "Back Cover.json").layout(0)), (Marks{{}, {20}}));
}

TEST_F(SplitTest, AFolderThatCannotTakeTheFileLeavesEverythingAsItWas)
{
    // A folder whose path leaves no room in a file spec for the project's file name.
    auto folder = outputFolder();
    while (folder.string().size() < 240)
        folder /= "deeper-folder";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "kept.json") << "kept";
    const std::string before = saved();
    answerFolder(folder);
    answerPages("1", SplitPagesRow);
    ASSERT_TRUE(clone());
    EXPECT_EQ(filesIn(folder), (std::vector<std::string>{"kept.json"}));
    EXPECT_EQ(contentOf(folder / "kept.json"), "kept");
    EXPECT_EQ(saved(), before);
    ASSERT_FALSE(messageTexts().empty());
    EXPECT_EQ(messageTexts().back(),
        "Couldn't save \"Project1_1\" in the chosen folder, so the split stopped there. The new project stays open; "
        "the source and the files already in the folder are as they were.");
}

TEST_F(SplitTest, CancellingTheFolderSplitsNothing)
{
    host::ui::ChooserAnswer cancel;
    cancel.kind = host::ui::ChooserKind::Folder;
    cancel.cancel = true;
    m_host->windows().chooserUser().queue(cancel);
    answerPages("All", SplitPagesRow);
    clone();
    EXPECT_EQ(projectCount(), 1u);
    EXPECT_TRUE(messageTexts().empty());
}

} // namespace
} // namespace twinnel::testing
