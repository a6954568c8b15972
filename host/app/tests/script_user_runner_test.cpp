// The session runner's words for what a user does in the layout window: items, text, pages, layouts,
// tools and clicks, seen through what the plug-ins' operations then answer.
#include "host/app/script_runner.h"

#include <dlfcn.h>

#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "host/app/script_parser.h"
#include "host/host.h"
#include "host/host_context.h"
#include "host/model/spread_layout.h"
#include "host/model/text/story.h"
#include "host/model/text/text_boxes.h"
#include "testing/temporary_folder.h"
#include "testing/test_document.h"
#include "testing/test_text.h"
#include "win32/standin.h"
#include "xtapi/operations.h"

namespace host::app {
namespace {

using namespace model::testdoc;

template <class Op>
auto hostOp()
{
    return reinterpret_cast<typename Op::Signature*>(context().tables().entryOf(Op::number));
}

/// A host with the tool probe loaded and its session started; the work directory is a fresh folder.
class UserSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        HostOptions options;
        options.systemDirectory = m_folder.path() / "system";
        m_host = std::make_unique<Host>(options);
        const auto results = m_host->loadModules({XT_TOOL_PROBE});
        ASSERT_TRUE(results.front().loaded) << results.front().message;
        m_host->startSession();
        void* library = context().plugins().modules().front()->library;
        m_log = reinterpret_cast<const char* (*)()>(dlsym(library, "ToolProbeLog"));
        m_clear = reinterpret_cast<void (*)()>(dlsym(library, "ToolProbeClear"));
        auto tool = reinterpret_cast<int32_t (*)()>(dlsym(library, "ToolProbeTool"));
        ASSERT_TRUE(m_log && m_clear && tool);
        m_tool = tool();
    }

    ExitStatus run(const char* text)
    {
        m_out.str("");
        m_err.str("");
        const ParseResult parsed = parseScript(text);
        EXPECT_TRUE(parsed.script) << parsed.errors.front().message;
        if (!parsed.script)
            return ExitStatus::BadInput;
        ScriptRunner runner(*m_host, m_out, m_err, m_folder.path());
        return runner.run(*parsed.script, "session.txt");
    }

    std::string heard()
    {
        std::string log = m_log();
        m_clear();
        return log;
    }

    model::Layout& layout() { return *m_host->currentDocument(); }

    xt_testing::TemporaryFolder m_folder;
    std::unique_ptr<Host> m_host;
    std::ostringstream m_out;
    std::ostringstream m_err;
    const char* (*m_log)() = nullptr;
    void (*m_clear)() = nullptr;
    int32_t m_tool = 0;
};

/// The items become the selection in the order the script names them, and GroupOp720 lists them so.
TEST_F(UserSession, ItemsAreSelectedInTheOrderGiven)
{
    model::Layout& doc = m_host->newDocument({1});
    const int32_t a = addBox(doc, 0, rect(10, 10, 50, 50)).ref();
    const int32_t b = addBox(doc, 0, rect(60, 10, 90, 50)).ref();
    const int32_t c = addTextBox(doc, 0, rect(100, 10, 150, 200)).ref();
    const std::string script = "select " + std::to_string(c) + " " + std::to_string(a) + " " + std::to_string(b) + "\n";
    ASSERT_EQ(run(script.c_str()), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_out.str(), "[document] selected items " + std::to_string(c) + ", " + std::to_string(a) + ", "
            + std::to_string(b) + "\n");

    int32_t current = 0;
    ASSERT_EQ(hostOp<xt::op::GetCurrentBox>()(&current), 0);
    xt::Handle list = nullptr;
    int16_t count = 0;
    ASSERT_EQ(hostOp<xt::op::GroupOp720>()(current, &list, &count), 0);
    ASSERT_EQ(count, 3);
    const auto* refs = reinterpret_cast<const int32_t*>(*list);
    EXPECT_EQ(std::vector<int32_t>(refs, refs + 3), (std::vector<int32_t>{c, a, b}));
    win32::disposeHandle(list);

    ASSERT_EQ(run(("select " + std::to_string(b) + "\n").c_str()), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(doc.items().current(), b) << "one item is selected alone";
}

TEST_F(UserSession, SelectingAnItemTheLayoutLacksFailsAndKeepsTheSelection)
{
    model::Layout& doc = m_host->newDocument({1});
    const int32_t a = addBox(doc, 0, rect(10, 10, 50, 50)).ref();
    select(doc, {a});
    EXPECT_EQ(run(("select " + std::to_string(a) + " 9999\n").c_str()), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: select: the layout has no item \"9999\"\n");
    EXPECT_EQ(run("select Masthead\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: select: the layout has no item \"Masthead\"\n");
    EXPECT_EQ(doc.items().current(), a);
}

/// Items are found by the name the document gives them as well as by their reference; a quoted name may hold
/// blanks, and a name made of digits is found when no item has that reference.
TEST_F(UserSession, ItemsAreSelectedByTheirNames)
{
    model::Layout& doc = m_host->newDocument({1});
    const int32_t masthead = addBox(doc, 0, rect(10, 10, 50, 50)).ref();
    const int32_t footer = addTextBox(doc, 0, rect(60, 10, 90, 50)).ref();
    const int32_t year = addBox(doc, 0, rect(100, 10, 120, 50)).ref();
    doc.items().find(masthead)->setName("Masthead");
    doc.items().find(footer)->setName("Page footer");
    doc.items().find(year)->setName("2024");
    const std::string script = "select \"Page footer\" Masthead 2024\n";
    ASSERT_EQ(run(script.c_str()), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_out.str(), "[document] selected items " + std::to_string(footer) + ", "
            + std::to_string(masthead) + ", " + std::to_string(year) + "\n");
    EXPECT_EQ(run("select text \"Page footer\" 0 0\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(doc.items().current(), footer);
    EXPECT_EQ(run("select Page\n"), ExitStatus::Failed) << "a name is matched whole";
    EXPECT_EQ(m_err.str(), "session.txt:1: select: the layout has no item \"Page\"\n");
}

TEST_F(UserSession, SelectingAnItemShowsItsPage)
{
    model::Layout& doc = m_host->newDocument({3});
    const int32_t onThird = addBox(doc, 2, rect(10, 10, 50, 50)).ref();
    ASSERT_EQ(run(("select " + std::to_string(onThird) + "\n").c_str()), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(model::currentSlot(doc), (model::PageSlot{model::PageList::Document, 2}));
}

/// A text range is what GetBoxTextInfo then reports, with the box current; a range past the text fails.
TEST_F(UserSession, TextIsSelectedInTheBoxStory)
{
    model::Layout& doc = m_host->newDocument({1});
    const int32_t box = addTextBox(doc, 0, rect(10, 10, 100, 200)).ref();
    const int32_t plain = addBox(doc, 0, rect(110, 10, 150, 50)).ref();
    setText(doc, box, "Hello, world");
    const std::string id = std::to_string(box);
    ASSERT_EQ(run(("select text " + id + " 7 12\n").c_str()), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_out.str(), "[document] selected characters 7 to 12 of item " + id + "\n");
    int32_t story = 0, start = -1, end = -1, length = 0;
    ASSERT_EQ(hostOp<xt::op::GetBoxTextInfo>()(0, &story, &start, &end, &length), 0);
    EXPECT_EQ(start, 7);
    EXPECT_EQ(end, 12);

    EXPECT_EQ(run(("select text " + id + " 0 13\n").c_str()), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: select text: the text of item \"" + id
            + "\" has 12 characters; it ends before 13\n");
    EXPECT_EQ(run(("select text " + std::to_string(plain) + " 0 0\n").c_str()), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: select text: item \"" + std::to_string(plain) + "\" is not a text box\n");
    hostOp<xt::op::GetBoxTextInfo>()(box, &story, &start, &end, &length);
    EXPECT_EQ(start, 7) << "a refused range leaves the selection";
}

/// `select page` clears the selection, `go to page` keeps it, `go to master` shows the masters; each is
/// what the page operations then report.
TEST_F(UserSession, PagesAndMastersBecomeCurrent)
{
    model::Layout& doc = m_host->newDocument({3});
    const int32_t a = addBox(doc, 0, rect(10, 10, 50, 50)).ref();
    select(doc, {a});
    ASSERT_EQ(run("go to page 3\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(model::currentSlot(doc), (model::PageSlot{model::PageList::Document, 2}));
    EXPECT_EQ(doc.items().current(), a);

    ASSERT_EQ(run("go to master A\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_out.str(), "[document] went to master \"A-Master\"\n");
    EXPECT_EQ(model::currentSlot(doc), (model::PageSlot{model::PageList::Masters, 0}));

    ASSERT_EQ(run("select page 2\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_out.str(), "[document] page 2 is current, nothing selected\n");
    EXPECT_EQ(model::currentSlot(doc), (model::PageSlot{model::PageList::Document, 1}));
    EXPECT_EQ(doc.items().current(), 0);

    EXPECT_EQ(run("go to master C-Master\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: go to master: the layout has no master \"C-Master\" (it has 1, from \"A-Master\")\n");
    EXPECT_EQ(run("go to page 4\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: go to page: there is no page 4; the document has 3 pages\n");
    EXPECT_EQ(run("select page 4\n"), ExitStatus::Failed);
}

TEST_F(UserSession, ALayoutIsMadeCurrentByItsNameOrItsProject)
{
    model::Layout& first = m_host->newDocument({1});
    model::Project& brochure = *m_host->documents().projectOf(first);
    brochure.rename("Brochure");
    model::Layout& second = brochure.addLayout("Cover");
    second.appendPage({pt(300), pt(300)});
    model::Layout& other = m_host->newDocument({1});
    m_host->documents().projectOf(other)->rename("Flyer");
    ASSERT_EQ(m_host->currentDocument(), &other);

    ASSERT_EQ(run("layout Cover\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_out.str(), "[document] \"Brochure > Cover\" is current\n");
    EXPECT_EQ(m_host->currentDocument(), &second);
    ASSERT_EQ(run("layout Flyer\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_host->currentDocument(), &other);
    ASSERT_EQ(run(("layout Brochure > " + first.name() + "\n").c_str()), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_host->currentDocument(), &first);

    // Both projects have a layout of the first's name: the project must be said.
    EXPECT_EQ(run(("layout " + first.name() + "\n").c_str()), ExitStatus::Failed);
    EXPECT_NE(m_err.str().find("names more than one layout"), std::string::npos) << m_err.str();
    EXPECT_EQ(run("layout Poster\n"), ExitStatus::Failed);
    EXPECT_NE(m_err.str().find("there is no layout or project \"Poster\""), std::string::npos) << m_err.str();
    EXPECT_EQ(m_host->currentDocument(), &first);
}

/// The probe's tool is on the palette by its plug-in's name; choosing it tells the mouse hooks while the
/// tool before is still current, and GetCurrentTool answers it, with or without a document.
TEST_F(UserSession, APluginToolIsChosenByName)
{
    ASSERT_GE(m_tool, 100);
    ASSERT_EQ(run("tool toolprobe\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_out.str(), "[tool] ToolProbe\n");
    EXPECT_EQ(heard(), "hook: tool 0\n");
    EXPECT_EQ(hostOp<xt::op::GetCurrentTool>()(), m_tool);

    m_host->newDocument({1});
    ASSERT_EQ(run("tool content\ntool ToolProbe\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(heard(), "hook: tool 0\nhook: tool 1\n");
    EXPECT_EQ(hostOp<xt::op::GetCurrentTool>()(), m_tool);
    EXPECT_EQ(hostOp<xt::op::SetCurrentTool>()(4242), -1) << "no such tool";

    EXPECT_EQ(run("tool Eyedropper\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: tool: there is no tool \"Eyedropper\"; the palette has \"item\", "
                           "\"content\", \"ToolProbe\"\n");
}

/// A click is a press and a release at the page point: the plug-in's first poll sees the button down,
/// the next up, and the cursor is where the page lies on the screen.
TEST_F(UserSession, AClickSendsToolClickWithTheCursorOnThePage)
{
    m_host->newDocument({1});
    win32::queueKeyChange(VK_LBUTTON, true, 3);
    win32::queueKeyChange(VK_LBUTTON, false, 2);
    ASSERT_EQ(run("tool ToolProbe\nclick 72 144.5\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_out.str(), "[tool] ToolProbe\n[tool] ToolProbe clicked at 72, 144.5 on page 1\n");
    EXPECT_EQ(heard(), "hook: tool 0\nhook: tool " + std::to_string(m_tool)
            + "\nclick: 1 down, 2 up, alt up at the press, cursor 172,244 pixel FFFFFF, held 1\n");
}

TEST_F(UserSession, AClickWithAHostToolFails)
{
    m_host->newDocument({1});
    EXPECT_EQ(run("click 10 10\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: click: the item tool is a host tool; choose a plug-in's tool first, "
                           "like \"tool Sipette\"\n");
    EXPECT_EQ(heard(), "");
}

/// A plug-in that waits for a press the script never gives is not left polling for ever: the host
/// presses for it and the command fails, naming what the plug-in waited for.
TEST_F(UserSession, AClickWaitingForAPressTheScriptNeverGivesFails)
{
    EXPECT_EQ(run("tool ToolProbe\nclick 0 0\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:2: the plug-in polled the mouse button 100000 times and the script had "
                           "nothing more for it\n");
}

/// The script's mouse and Alt key over time: a press after a number of polls, at a page point, with Alt
/// held; the plug-in's loops end where the script says, and GetPixel reads the box under the cursor.
TEST_F(UserSession, TheMouseAndAltChangeAfterTheirPolls)
{
    model::Layout& doc = m_host->newDocument({1});
    addBox(doc, 0, rect(100, 100, 200, 200)).setBackground({doc.colours().findByName("Red")->id(), xt::kFixedOne});
    ASSERT_EQ(run("tool ToolProbe\n"
                  "mouse down after 5 at 150 120\n"
                  "mouse up after 4\n"
                  "key alt down after 0\n"
                  "click 10 10\n"),
        ExitStatus::Ok)
        << m_err.str();
    EXPECT_EQ(heard(), "hook: tool 0\nhook: tool " + std::to_string(m_tool)
            + "\nclick: 1 down, 4 up, alt down at the press, cursor 250,220 pixel 0000FF, held 3\n");
}

TEST_F(UserSession, TheClockIsTheOneTheScriptSets)
{
    ASSERT_EQ(run("clock 2026-12-11 14:05\nmenu Tool Probe > Stamp\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(heard(), "stamp: 12/11/2026 2:05 PM\n");
}

/// A job a plug-in starts waits for the printer: `print` ends it and the plug-ins hear it; `print cancel`
/// abandons it silently, and XpsOp1133 says printing is over either way.
TEST_F(UserSession, PrintJobsEndAsTheScriptSays)
{
    model::Layout& doc = m_host->newDocument({2});
    addBox(doc, 0, rect(10, 10, 50, 50));
    addBox(doc, 1, rect(10, 10, 50, 50));
    ASSERT_EQ(run("menu Tool Probe > Print\nprint\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(heard(), "print status 0, over 0\nrules printed, over 1\n");
    EXPECT_EQ(m_out.str(), "[print] printed \"" + doc.name() + "\", 2 pages, 2 items\n");

    ASSERT_EQ(run("menu Tool Probe > Print\nprint cancel\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(heard(), "print status 0, over 0\n");
    EXPECT_EQ(m_out.str(), "[print] cancelled \"" + doc.name() + "\", 2 pages, 2 items\n");
    EXPECT_EQ(run("print cancel\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: print cancel: no print job is waiting\n");

    ASSERT_EQ(run("print\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(heard(), "rules printed, over 1\n") << "File > Print ends with the same message";
}

TEST_F(UserSession, AGuideEventNamesTheGuideInTheHostsList)
{
    model::Layout& doc = m_host->newDocument({1});
    const int32_t pageRef = doc.page(0).ref();
    xt::GuideEntry entry{};
    for (double at : {100.0, 200.0}) {
        entry.position = pt(at);
        doc.guides().add({xt::kGuidePageSet, pageRef}, model::GuideKind::Vertical, entry);
    }
    doc.guides().add({xt::kGuidePageSet, pageRef}, model::GuideKind::Horizontal, entry);
    ASSERT_EQ(run("guide event horizontal 0\nguide event vertical 1\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_out.str(), "[guide] event on horizontal guide 0 of page 1\n[guide] event on vertical guide 1 of page 1\n");
    EXPECT_EQ(heard(), "guide event: index 2 of 2+1\nguide event: index 1 of 2+1\n");
    EXPECT_EQ(run("guide event horizontal 1\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: guide event: the page has 1 horizontal guide; there is no guide 1\n");
    EXPECT_EQ(heard(), "");
}

} // namespace
} // namespace host::app
