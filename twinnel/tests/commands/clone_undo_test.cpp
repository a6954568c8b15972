// A clone is one undo step: Undo gives back the documents as they were, Redo the clone, byte for byte,
// with its text and groups; a clone into a layout the user already has offers no Undo at all.
#include <gtest/gtest.h>

#include "host/model/document_json.h"
#include "host/model/text/story_store.h"
#include "twinnel/resources/dialog_resources.h"
#include "twinnel/tests/twinnel_fixture.h"

namespace twinnel::testing {
namespace {

class CloneUndoTest : public TwinnelTest {
protected:
    /// Every open project as it would be saved.
    std::string documents()
    {
        std::string all;
        for (size_t i = 0; i < projectCount(); ++i)
            all += saved(i) + "\n";
        return all;
    }

    /// Page 2 gets two linked text boxes, so that the copies carry a story across boxes.
    void addLinkedText()
    {
        auto& first = host::model::testdoc::addBox(layout(), 1, rect(200, 100, 250, 300), xt::BoxKind::Text);
        auto& second = host::model::testdoc::addBox(layout(), 1, rect(300, 100, 350, 300), xt::BoxKind::Text);
        auto& stories = layout().stories();
        ASSERT_TRUE(stories.addTextBox(first.ref()) && stories.addTextBox(second.ref()));
        stories.storyOfBox(first.ref())->insert(0, u"Linked text on page two");
        ASSERT_TRUE(stories.link(first.ref(), second.ref()));
    }
};

struct UndoCase {
    const char* name;
    const char* pages; // nullptr: the selected box
    int32_t destinationRow;
    int32_t toPage;
    int32_t copies;
};

const UndoCase kUndoCases[] = {
    {"pages into the current layout", "2-3", CurrentLayoutRow, 1, 1},
    {"pages into a new layout", "All", NewLayoutRow, 1, 1},
    {"pages into a new project", "1 2", NewProjectRow, 1, 1},
    {"a box onto pages the layout has", nullptr, CurrentLayoutRow, 2, 2},
    {"a box onto pages added for it", nullptr, CurrentLayoutRow, 4, 3}, // the question is answered OK
    {"a box into a new project", nullptr, NewProjectRow, 1, 3},
};

TEST_F(CloneUndoTest, UndoGivesBackTheDocumentsAndRedoTheClone)
{
    addLinkedText();
    for (const UndoCase& row : kUndoCases) {
        SCOPED_TRACE(row.name);
        const std::string before = documents();
        if (row.pages) {
            answerPages(row.pages, row.destinationRow);
        } else {
            select({m_sourceBox});
            answerSelection(row.toPage, row.copies, row.destinationRow);
            m_host->windows().dialogUser().ok();
        }
        ASSERT_TRUE(clone());
        const std::string after = documents();
        ASSERT_NE(after, before) << "the clone changed nothing";
        ASSERT_TRUE(m_host->undo());
        EXPECT_EQ(documents(), before);
        EXPECT_EQ(currentId(), layout().id());
        ASSERT_TRUE(m_host->redo());
        EXPECT_EQ(documents(), after);
        ASSERT_TRUE(m_host->undo()) << "undo again, for the next case";
        EXPECT_EQ(documents(), before);
        EXPECT_TRUE(messageTexts().empty());
        m_host->windows().dialogUser().clear();
    }
}

TEST_F(CloneUndoTest, RedoneCopiesKeepTheirLinkedText)
{
    addLinkedText();
    answerPages("2", NewLayoutRow);
    ASSERT_TRUE(clone());
    ASSERT_TRUE(m_host->undo());
    ASSERT_TRUE(m_host->redo());
    const host::model::Layout& made = project(0).layout(1);
    const auto boxes = made.items().topLevelOnPage(made.page(0).ref());
    ASSERT_EQ(boxes.size(), 3u);
    const host::model::Story* story = made.stories().storyOfBox(boxes[1]);
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->text(), u"Linked text on page two");
    EXPECT_EQ(made.stories().nextBox(boxes[1]), boxes[2]) << "the copies stay linked";
}

TEST_F(CloneUndoTest, ACloneIntoAnotherOpenLayoutWithdrawsTheUndoOffered)
{
    answerPages("1", NewLayoutRow);
    ASSERT_TRUE(clone());
    ASSERT_FALSE(m_host->undoText().empty());
    m_host->documents().setCurrent(&layout());
    answerPages("1", FirstOtherLayoutRow);
    ASSERT_TRUE(clone());
    EXPECT_TRUE(m_host->undoText().empty()) << "the new layout took a copy that Undo could not take away";
}

TEST_F(CloneUndoTest, AStepTheApplicationRefusesIsTold)
{
    struct Refusal {
        const char* call;
        bool inRedo; // refused while redoing, not undoing
    };
    const Refusal refusals[] = {
        {"SetDocumentAside", false},
        {"PutAsideBack", true},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.call);
        answerPages("1", NewProjectRow);
        ASSERT_TRUE(clone());
        const std::string after = documents();
        if (refusal.inRedo) {
            ASSERT_TRUE(m_host->undo());
        }
        m_host->faults().failNth(refusal.call, 1);
        ASSERT_TRUE(refusal.inRedo ? m_host->redo() : m_host->undo());
        ASSERT_FALSE(messageTexts().empty());
        EXPECT_NE(messageTexts().back().find(refusal.inRedo ? "could not redo" : "could not undo"), std::string::npos);
        if (!refusal.inRedo) {
            EXPECT_EQ(documents(), after) << "the clone is still there, whole";
        }
        m_host->faults().clear();
        while (projectCount() > 1)
            m_host->documents().closeProject(project(projectCount() - 1));
    }
}

} // namespace
} // namespace twinnel::testing
