// Each Threadix command is one undo step: Undo gives back the document as saved before it (chains, the
// text of each box, the chain records), Redo the document it left; a command that changes nothing
// leaves the Undo offered before, and a run the mouse button stops is undone whole.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "host/model/document_json.h"
#include "host/model/text/text_boxes.h"
#include "threadix/tests/threadix_fixture.h"
#include "win32/standin.h"
#include "win32/windows.h"

namespace threadix::testing {
namespace {

using host::ui::DialogAction;

class UndoStepTest : public ThreadixTest {
protected:
    /// The document a case made last, as saved.
    std::string savedLast()
    {
        auto& documents = m_host->documents();
        return host::model::documentToJson(documents.project(documents.projectCount() - 1)).dump(1);
    }

    /// Runs the command, then checks Undo and Redo against the documents saved before and after it.
    void expectOneStep(const std::vector<DialogAction>& actions)
    {
        const std::string before = savedLast();
        ASSERT_TRUE(runThreadix(actions));
        const std::string after = savedLast();
        ASSERT_NE(after, before) << "the command changed nothing";
        EXPECT_EQ(m_host->undoText(), "Undo Threadix");
        ASSERT_TRUE(m_host->undo());
        EXPECT_EQ(savedLast(), before);
        ASSERT_TRUE(m_host->redo());
        EXPECT_EQ(savedLast(), after);
    }

    /// Three boxes of their own on page 1, "first", "second" and "third".
    std::vector<int32_t> threeLoneBoxes()
    {
        return {lineBox(0, 0, "first"), lineBox(0, 1, "second"), lineBox(0, 2, "third")};
    }
};

TEST_F(UndoStepTest, EveryCommandIsUndoneAndRedoneWhole)
{
    struct Case {
        const char* name;
        bool chained;               // a three-box chain, else three boxes of their own
        std::vector<int> selection; // by place among the three boxes
        std::vector<DialogAction> actions;
        bool unlinkFirst = false;   // the middle box unlinked (records left) before the command
    };
    // The dialog keeps its last choices, so every case says each of its own.
    const DialogAction selection = DialogAction::click(kSelection);
    const DialogAction pages = DialogAction::click(kPages);
    const DialogAction link = DialogAction::click(kLink);
    const DialogAction unlink = DialogAction::click(kUnlink);
    const DialogAction pageOne = DialogAction::setText(kPageField, "1");
    const Case cases[] = {
        {"link in order", false, {2, 0, 1}, {selection, link, DialogAction::check(kKeepText, false)}},
        {"link keeping text", false, {0, 1, 2}, {selection, link, DialogAction::check(kKeepText, true)}},
        {"unlink, one chain before and after", true, {1}, {selection, unlink, DialogAction::click(kSeparateChains)}},
        {"unlink flowing around", true, {1}, {selection, unlink, DialogAction::click(kFlowAround)}},
        {"unlink cutting at the end", true, {1}, {selection, unlink, DialogAction::click(kCutAtEnd)}},
        {"unlink cutting at the start", true, {1}, {selection, unlink, DialogAction::click(kCutAtStart)}},
        {"relink by the record", true, {0}, {selection, link, DialogAction::check(kKeepText, false)}, true},
        {"unlink the page", true, {}, {pages, pageOne, unlink, DialogAction::click(kSeparateChains)}},
        {"relink the page", true, {}, {pages, pageOne, link, DialogAction::check(kKeepText, false)}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        newDocument(2);
        const std::vector<int32_t> boxes = c.chained ? threeBoxChain() : threeLoneBoxes();
        if (c.unlinkFirst) {
            select({boxes[1]});
            ASSERT_TRUE(runThreadix({selection, unlink, DialogAction::click(kSeparateChains)}));
        }
        std::vector<int32_t> chosen;
        for (int place : c.selection)
            chosen.push_back(boxes[static_cast<size_t>(place)]);
        select(chosen);
        expectOneStep(c.actions);
    }
}

TEST_F(UndoStepTest, ACommandThatChangesNothingKeepsTheUndoBefore)
{
    const std::vector<int32_t> boxes = threeBoxChain();
    select({boxes[1]});
    ASSERT_TRUE(runThreadix({DialogAction::click(kCutAtEnd)}));
    const std::string unlinked = saved();
    // A lone box at the end of a page has nothing to be cut from: the unlink before stays the step offered.
    const int32_t lone = lineBox(1, 0, "alone");
    const std::string before = saved();
    select({lone});
    ASSERT_TRUE(runThreadix({DialogAction::click(kCutAtEnd)}));
    EXPECT_EQ(saved(), before);
    ASSERT_TRUE(m_host->undo());
    EXPECT_NE(saved(), unlinked);
    EXPECT_EQ(chains(boxes), "a>b>c");
}

TEST_F(UndoStepTest, ARunTheMouseButtonStopsIsUndoneWhole)
{
    std::vector<int32_t> firsts;
    for (size_t page = 0; page < 4; ++page) {
        const int32_t first = lineBox(page, 0, "p\rq");
        ASSERT_TRUE(host::model::linkTextBoxes(layout(), first, lineBox(page, 1)));
        firsts.push_back(first);
    }
    const std::string before = saved();
    win32::queueKeyChange(VK_LBUTTON, true, 2);
    select({});
    ASSERT_TRUE(runThreadix({DialogAction::setText(kPageField, "All")}));
    win32::clearAsyncKeyStates();
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Unlinking has been canceled."});
    // What was done before the cancel stays until Undo.
    const std::string stopped = saved();
    ASSERT_NE(stopped, before);
    EXPECT_EQ(m_host->undoText(), "Undo Threadix");
    ASSERT_TRUE(m_host->undo());
    EXPECT_EQ(saved(), before);
    ASSERT_TRUE(m_host->redo());
    EXPECT_EQ(saved(), stopped);
}

TEST_F(UndoStepTest, ARefusalMakesNoStep)
{
    const std::vector<int32_t> boxes = threeBoxChain();
    select({boxes[1]});
    ASSERT_TRUE(runThreadix({DialogAction::click(kCutAtEnd)}));
    const std::string unlinked = saved();
    // A page the document does not have is refused with a message before anything changes.
    ASSERT_TRUE(runThreadix({DialogAction::click(kPages), DialogAction::setText(kPageField, "99")}));
    ASSERT_FALSE(messageTexts().empty());
    EXPECT_EQ(saved(), unlinked);
    EXPECT_EQ(m_host->undoText(), "Undo Threadix");
    ASSERT_TRUE(m_host->undo());
    EXPECT_EQ(chains(boxes), "a>b>c");
}

TEST_F(UndoStepTest, UndoLeavesABoxMadeSinceWithItsText)
{
    const std::vector<int32_t> boxes = threeBoxChain();
    select({boxes[1]});
    ASSERT_TRUE(runThreadix({DialogAction::click(kUnlink), DialogAction::click(kCutAtEnd)}));
    // A box made and filled after the command, by a change that is no undo step of its own.
    const int32_t later = lineBox(1, 0, "later");
    ASSERT_TRUE(m_host->undo());
    EXPECT_EQ(chains(boxes), "a>b>c");
    EXPECT_EQ(shows(later), "later");
}

} // namespace
} // namespace threadix::testing
