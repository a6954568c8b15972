// Undo steps: nesting and commit, changes that cannot be undone, steps a handler leaves open, and
// the host's Undo and Redo telling the step's creator.
#include <functional>

#include <nlohmann/json.hpp>

#include "host/model/document_json.h"
#include "host/model/items/item_walk.h"
#include "host/model/text/text_boxes.h"
#include "host/tests/pages_fixture.h"
#include "testing/test_text.h"
#include "win32/standin.h"
#include "xtapi/messages.h"

namespace host_tests {
namespace {

constexpr xt::XTensionId kCreator = 0x4F524242; // "BBRO"

/// What the stand-in plug-in's handlers saw.
struct Seen {
    int undos = 0;
    int redos = 0;
};
Seen g_seen;

int32_t onUndo(void*)
{
    ++g_seen.undos;
    return 0;
}

int32_t onRedo(void*)
{
    ++g_seen.redos;
    return 0;
}

/// A menu command that opens two steps and returns with both still open.
int32_t onMenuCommandLeavingStepsOpen(void*)
{
    hostOp<xt::op::UndoOp2951>()(0, kCreator, 8);
    hostOp<xt::op::UndoOp2951>()(0, kCreator, 8);
    return 0;
}

constexpr char kUndoTexts[] = "Undo Amplex\0Redo Amplex";
const xt::Resource kResources[] = {{xt::fourCC("STRQ"), 20000, kUndoTexts, sizeof kUndoTexts}};
const xt::ModuleImage kImage = {xt::kModuleImageVersion, nullptr, kResources, 1};

class UndoStepsTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        g_seen = {};
        auto module = std::make_unique<host::loader::LoadedModule>();
        module->file = "Stand-in.xnt";
        module->id = kCreator;
        module->image = &kImage;
        win32::registerModule(&kImage);
        m_module = &host::context().plugins().add(std::move(module));
        host::context().plugins().addHandler(*m_module, xt::UndoMessage, &onUndo);
        host::context().plugins().addHandler(*m_module, xt::RedoMessage, &onRedo);
    }

    host::model::UndoSteps& steps() { return host().documents().undoSteps(); }
    int32_t open() { return hostOp<xt::op::UndoOp2951>()(0, kCreator, 8); }
    int32_t close() { return hostOp<xt::op::UndoOp2952>()(); }

    host::loader::LoadedModule* m_module = nullptr;
};

TEST_F(UndoStepsTest, NestedStepsCommitOnceAtTheOutermostClose)
{
    EXPECT_EQ(host().undoText(), "");
    ASSERT_EQ(open(), 0);
    ASSERT_EQ(open(), 0);
    ASSERT_EQ(close(), 0);
    EXPECT_FALSE(steps().undoable()) << "the inner close commits nothing";
    EXPECT_FALSE(host().undo()) << "no Undo while a step is open";
    ASSERT_EQ(close(), 0);
    EXPECT_EQ(host().undoText(), "Undo Amplex");
    EXPECT_NE(close(), 0) << "nothing left to close";
}

TEST_F(UndoStepsTest, UndoAndRedoTellTheCreatorAndTakeTurns)
{
    open();
    close();
    EXPECT_FALSE(host().redo()) << "Redo only after an Undo";
    ASSERT_TRUE(host().undo());
    EXPECT_EQ(g_seen.undos, 1);
    EXPECT_EQ(host().undoText(), "");
    EXPECT_EQ(host().redoText(), "Redo Amplex");
    EXPECT_FALSE(host().undo()) << "one level";
    ASSERT_TRUE(host().redo());
    EXPECT_EQ(g_seen.redos, 1);
    EXPECT_EQ(host().undoText(), "Undo Amplex");

    ASSERT_TRUE(host().undo());
    open();
    close();
    EXPECT_EQ(host().redoText(), "") << "a new step withdraws Redo";
}

TEST_F(UndoStepsTest, AChangeThatCannotBeUndoneOffersNoUndo)
{
    open();
    close();
    ASSERT_EQ(open(), 0);
    ASSERT_EQ(hostOp<xt::op::UndoOp2958>()(1), 0);
    EXPECT_EQ(host().undoText(), "") << "the earlier step is withdrawn";
    open();
    close();
    ASSERT_EQ(hostOp<xt::op::UndoOp2958>()(0), 0);
    ASSERT_EQ(close(), 0);
    EXPECT_FALSE(host().undo()) << "the step around the change is not offered either";
    open();
    close();
    EXPECT_EQ(host().undoText(), "Undo Amplex") << "later steps are undoable again";
}

TEST_F(UndoStepsTest, StepsAHandlerLeavesOpenAreClosedWhenItReturns)
{
    host::context().plugins().addHandler(*m_module, xt::MenuCommandMessage, &onMenuCommandLeavingStepsOpen);
    host().sendMessage(xt::MenuCommandMessage);
    EXPECT_EQ(steps().depth(), 0);
    EXPECT_EQ(host().undoText(), "Undo Amplex") << "closed and committed";

    ASSERT_EQ(open(), 0);
    host().sendMessage(xt::MenuCommandMessage);
    EXPECT_EQ(steps().depth(), 1) << "a step open before the handler stays open";
    close();
}

TEST_F(UndoStepsTest, AStepWithoutTextsGetsTheHostsOwn)
{
    hostOp<xt::op::UndoOp2951>()(0, xt::fourCC("none"), 8);
    close();
    EXPECT_EQ(host().undoText(), "Undo");
    EXPECT_TRUE(host().undo()) << "no handler to tell; the step is still undone";
    EXPECT_EQ(host().redoText(), "Redo");
}

TEST_F(UndoStepsTest, AStepThatKeepsTextIsUndoneAndRedoneByTheHost)
{
    const int32_t box = host::model::testdoc::addTextBox(layout(), 0, host::model::testdoc::rect(0, 0, 100, 200)).ref();
    host::model::Story& story = host::model::testdoc::setText(layout(), box, "before");
    {
        host::loader::PluginRegistry::Scope scope(host::context().plugins(), m_module);
        ASSERT_EQ(hostOp<xt::op::UndoOp2953>()(24, 0), 0);
        ASSERT_EQ(hostOp<xt::op::UndoOp2953>()(24, 0), 0) << "nested";
        story.erase(0, story.length());
        story.insert(0, u"after");
        ASSERT_EQ(hostOp<xt::op::UndoOp2954>()(), 0);
        EXPECT_FALSE(steps().undoable()) << "the inner close commits nothing";
        ASSERT_EQ(hostOp<xt::op::UndoOp2954>()(), 0);
    }
    EXPECT_EQ(host().undoText(), "Undo Amplex") << "named by its creator";
    ASSERT_TRUE(host().undo());
    EXPECT_EQ(story.text(), u"before");
    EXPECT_EQ(g_seen.undos, 0) << "the host put the text back itself";
    ASSERT_TRUE(host().redo());
    EXPECT_EQ(story.text(), u"after");
    EXPECT_EQ(g_seen.redos, 0);
    EXPECT_NE(hostOp<xt::op::UndoOp2954>()(), 0) << "nothing left to close";
}

/// Three stories, one a chain of two boxes, with runs of their own: commands that change some of
/// them, undone and redone by the host.
class KeptTextTest : public UndoStepsTest {
protected:
    void SetUp() override
    {
        UndoStepsTest::SetUp();
        namespace testdoc = host::model::testdoc;
        for (int i = 0; i < 4; ++i)
            m_boxes.push_back(testdoc::addTextBox(layout(), 0, testdoc::rect(10 + 60 * i, 10, 60 + 60 * i, 200)).ref());
        testdoc::setText(layout(), m_boxes[0], "Sky and sand\rsea");
        testdoc::setText(layout(), m_boxes[1], "Second story");
        testdoc::setText(layout(), m_boxes[2], "Third\rstory\r");
        testdoc::linkChain(layout(), {m_boxes[2], m_boxes[3]});
        story(0).setCharacterValue({4, 7}, xt::kCharSize, 14 * xt::kFixedOne);
        story(2).setParagraphValue({0, 1}, xt::kParaLeading, 20 * xt::kFixedOne);
        story(1).select(2, 5);
    }

    host::model::Story& story(int which) { return *layout().stories().storyOfBox(m_boxes[static_cast<size_t>(which)]); }

    /// What a user could tell apart: the saved document, and each story's selection.
    std::string state()
    {
        std::string text = host::model::documentToJson(*host::context().documents().projectOf(layout())).dump();
        for (int i = 0; i < 3; ++i)
            text += " " + std::to_string(story(i).selection().start) + "-" + std::to_string(story(i).selection().end);
        return text;
    }

    /// Runs `change` inside a text step of the stand-in plug-in, as a menu command would.
    void inTextStep(const std::function<void()>& change)
    {
        host::loader::PluginRegistry::Scope scope(host::context().plugins(), m_module);
        ASSERT_EQ(hostOp<xt::op::UndoOp2953>()(24, 0), 0);
        change();
        ASSERT_EQ(hostOp<xt::op::UndoOp2954>()(), 0);
    }

    std::vector<int32_t> m_boxes;
};

struct StoryChange {
    const char* what;
    std::function<void(host::model::Story& first, host::model::Story& second, host::model::Story& third)> change;
};

TEST_F(KeptTextTest, UndoAndRedoPutBackEveryStoryAsItWas)
{
    const StoryChange kChanges[] = {
        {"nothing changes", [](auto&, auto&, auto&) {}},
        {"characters typed into the middle story", [](auto&, auto& second, auto&) { second.insert(6, u" long"); }},
        {"a character size over part of a story",
            [](auto& first, auto&, auto&) { first.setCharacterValue({0, 3}, xt::kCharSize, 30 * xt::kFixedOne); }},
        {"the selection alone", [](auto&, auto&, auto& third) { third.select(1, 4); }},
        {"a whole chained story erased", [](auto&, auto&, auto& third) { third.erase(0, third.length()); }},
        {"characters written over", [](auto& first, auto&, auto&) { first.overwrite(0, std::u16string_view(u"Sea")); }},
        {"a paragraph end removed, joining two paragraphs", [](auto&, auto&, auto& third) { third.erase(5, 6); }},
        {"two stories, one of them twice", [](auto& first, auto& second, auto&) {
            first.erase(0, 4);
            second.insert(0, u"A ");
            first.insert(first.length(), u"!");
        }},
    };
    for (const StoryChange& c : kChanges) {
        SCOPED_TRACE(c.what);
        const std::string before = state();
        inTextStep([&] { c.change(story(0), story(1), story(2)); });
        const std::string after = state();
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(host().undo());
            EXPECT_EQ(state(), before) << "undo, round " << round;
            ASSERT_TRUE(host().redo());
            EXPECT_EQ(state(), after) << "redo, round " << round;
        }
        ASSERT_TRUE(host().undo()) << "back to the start for the next case";
    }
}

TEST_F(KeptTextTest, ALinkThatJoinsTwoStoriesIsUndone)
{
    const std::string before = state();
    inTextStep([&] { ASSERT_TRUE(host::model::testdoc::linkChain(layout(), {m_boxes[0], m_boxes[1]})); });
    EXPECT_EQ(story(0).text(), u"Sky and sand\rseaSecond story");
    ASSERT_TRUE(host().undo());
    EXPECT_EQ(story(0).text(), u"Sky and sand\rsea") << "the story that took the other's text is put back";
}

TEST_F(KeptTextTest, ChangesAfterTheStepAreNotTakenIntoIt)
{
    inTextStep([&] { story(0).insert(0, u"Blue "); });
    // A change no step records, after the step and before its Undo: the step never had this story.
    story(1).insert(0, u"Kept ");
    ASSERT_TRUE(host().undo());
    EXPECT_EQ(story(0).text(), u"Sky and sand\rsea");
    EXPECT_EQ(story(1).text(), u"Kept Second story") << "a story the step did not change keeps its later text";
}

TEST_F(KeptTextTest, AStepAHandlerLeavesOpenKeepsNothingAfterTheHostClosesIt)
{
    {
        host::loader::PluginRegistry::Scope scope(host::context().plugins(), m_module);
        ASSERT_EQ(hostOp<xt::op::UndoOp2953>()(24, 0), 0);
        story(0).insert(0, u"Blue ");
    }
    ASSERT_EQ(steps().closeDownTo(0), 1);
    story(1).insert(0, u"Later ");
    ASSERT_TRUE(host().undo());
    EXPECT_EQ(story(0).text(), u"Sky and sand\rsea");
    EXPECT_EQ(story(1).text(), u"Later Second story");
}

/// Commands that change chains and data blocks inside a step that keeps chains, as Threadix opens one.
class KeptChainsTest : public KeptTextTest {
protected:
    /// Runs `change` inside a chain step; false when the step changed nothing and was not committed.
    bool inChainStep(const std::function<void()>& change)
    {
        const uint64_t commits = steps().commitCount();
        host::loader::PluginRegistry::Scope scope(host::context().plugins(), m_module);
        EXPECT_EQ(hostOp<xt::op::OpenChainUndoStep>()(24), 0);
        change();
        EXPECT_EQ(hostOp<xt::op::UndoOp2954>()(), 0);
        return steps().commitCount() != commits;
    }

    int32_t blockHolder(int which) { return hostOp<xt::op::GetBoxXtDataRef>()(m_boxes[static_cast<size_t>(which)]); }

    void setBlock(int which, const std::string& bytes)
    {
        xt::Handle handle = win32::newHandle(static_cast<int32_t>(bytes.size()));
        std::copy(bytes.begin(), bytes.end(), *handle);
        ASSERT_EQ(hostOp<xt::op::SetXtDataBlock>()(blockHolder(which), xt::fourCC("FRBB"), handle), 0);
        win32::disposeHandle(handle);
    }

    /// Each chain as its boxes' places among the four, "0>1 2>3".
    std::string chains()
    {
        std::string text;
        for (size_t i = 0; i < m_boxes.size(); ++i) {
            if (host::model::previousTextBox(layout(), m_boxes[i]) != 0)
                continue;
            text += text.empty() ? "" : " ";
            text += std::to_string(i);
            for (int32_t box = host::model::nextTextBox(layout(), m_boxes[i]); box != 0; box = host::model::nextTextBox(layout(), box))
                text += ">" + std::to_string(std::find(m_boxes.begin(), m_boxes.end(), box) - m_boxes.begin());
        }
        return text;
    }
};

TEST_F(KeptChainsTest, UndoAndRedoPutBackChainsTextAndBlocks)
{
    using host::model::ChainSplit;
    const StoryChange kChanges[] = {
        {"two boxes linked", [&](auto&, auto&, auto&) { ASSERT_TRUE(host::model::linkTextBoxes(layout(), m_boxes[0], m_boxes[1])); }},
        {"a box unlinked from its chain", [&](auto&, auto&, auto&) { ASSERT_TRUE(host::model::unlinkTextBox(layout(), m_boxes[3])); }},
        {"a chain split before its second box",
            [&](auto&, auto&, auto&) { ASSERT_TRUE(host::model::splitTextChain(layout(), m_boxes[3], ChainSplit::BeforeBox)); }},
        {"a link, then text changed on both sides of it and a block written", [&](auto& first, auto&, auto&) {
            // The link ends the story of the boxes it joins on: only the first stories are still there.
            ASSERT_TRUE(host::model::linkTextBoxes(layout(), m_boxes[1], m_boxes[2]));
            story(1).erase(0, 7);
            first.insert(0, u"Moved ");
            setBlock(1, "link");
        }},
        {"a block written, then removed again and another written", [&](auto&, auto&, auto&) {
            setBlock(0, "gone");
            ASSERT_EQ(hostOp<xt::op::SetXtDataBlock>()(blockHolder(0), xt::fourCC("FRBB"), nullptr), 0);
            setBlock(2, "kept");
        }},
        {"every box in one chain", [&](auto&, auto&, auto&) {
            ASSERT_TRUE(host::model::linkTextBoxes(layout(), m_boxes[0], m_boxes[1]));
            ASSERT_TRUE(host::model::linkTextBoxes(layout(), m_boxes[1], m_boxes[2]));
        }},
    };
    setBlock(2, "before");
    for (const StoryChange& c : kChanges) {
        SCOPED_TRACE(c.what);
        const std::string before = state();
        const std::string chainsBefore = chains();
        ASSERT_TRUE(inChainStep([&] { c.change(story(0), story(1), story(2)); }));
        const std::string after = state();
        ASSERT_NE(after, before);
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(host().undo());
            EXPECT_EQ(state(), before) << "undo, round " << round;
            EXPECT_EQ(chains(), chainsBefore);
            ASSERT_TRUE(host().redo());
            EXPECT_EQ(state(), after) << "redo, round " << round;
        }
        ASSERT_TRUE(host().undo()) << "back to the start for the next case";
    }
}

TEST_F(KeptChainsTest, AStepThatChangesNothingSavedKeepsTheUndoBefore)
{
    ASSERT_TRUE(inChainStep([&] { ASSERT_TRUE(host::model::linkTextBoxes(layout(), m_boxes[0], m_boxes[1])); }));
    const std::string linked = state();
    EXPECT_FALSE(inChainStep([&] {
        // Asking about a box registers a story for it; a block written and taken away again leaves none.
        host::model::nextTextBox(layout(), m_boxes[0]);
        setBlock(3, "x");
        ASSERT_EQ(hostOp<xt::op::SetXtDataBlock>()(blockHolder(3), xt::fourCC("FRBB"), nullptr), 0);
    }));
    EXPECT_EQ(state(), linked);
    ASSERT_TRUE(host().undo()) << "the link is still the step Undo offers";
    EXPECT_EQ(chains(), "0 1 2>3");
}

TEST_F(KeptChainsTest, UndoAfterLaterChangesLeavesEveryBoxInOneChain)
{
    ASSERT_TRUE(inChainStep([&] { ASSERT_TRUE(host::model::unlinkTextBox(layout(), m_boxes[3])); }));
    // Changes no step keeps, after the step: the unlinked box joins another chain, a new box is made
    // and linked after it, and a box of the step's chain is deleted.
    ASSERT_TRUE(host::model::linkTextBoxes(layout(), m_boxes[1], m_boxes[3]));
    const int32_t later = host::model::testdoc::addTextBox(layout(), 0, host::model::testdoc::rect(300, 10, 350, 200)).ref();
    host::model::testdoc::setText(layout(), later, "later");
    ASSERT_TRUE(host::model::linkTextBoxes(layout(), m_boxes[3], later));
    ASSERT_TRUE(host::model::deleteItem(layout(), m_boxes[2]));
    const auto expectEveryBoxInOneChain = [&] {
        for (int32_t box : {m_boxes[0], m_boxes[1], m_boxes[3], later}) {
            const host::model::Story* shown = host::model::storyOfTextBox(layout(), box);
            ASSERT_NE(shown, nullptr);
            const auto& chain = layout().stories().chain(shown->ref());
            EXPECT_EQ(std::count(chain.begin(), chain.end(), box), 1) << "box " << box << " is in the chain of its story";
            EXPECT_EQ((layout().items().find(box)->text().flags & xt::kTextRunsOn) != 0,
                host::model::nextTextBox(layout(), box) != 0) << "the runs-on flag follows the chain";
        }
        EXPECT_FALSE(layout().stories().isTextBox(m_boxes[2])) << "the deleted box stays deleted";
        EXPECT_NO_THROW(host::model::documentToJson(*host::context().documents().projectOf(layout())));
    };
    ASSERT_TRUE(host().undo());
    EXPECT_EQ(host::model::previousTextBox(layout(), m_boxes[3]), 0) << "the kept chain claims its box back";
    expectEveryBoxInOneChain();
    ASSERT_TRUE(host().redo());
    expectEveryBoxInOneChain();
}

} // namespace
} // namespace host_tests
