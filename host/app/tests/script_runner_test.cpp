// The session runner over the test modules: what a script's commands do and what the session prints.
#include "host/app/script_runner.h"

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "host/app/script_parser.h"
#include "host/host.h"
#include "testing/temporary_folder.h"
#include "testing/test_document.h"

namespace host::app {
namespace {

std::filesystem::path testPluginDirectory()
{
    const char* folder = std::getenv("XT_TEST_PLUGIN_DIR");
    return folder ? folder : "";
}

/// A host with the three test modules loaded and its session started; the work directory is a fresh folder.
class ScriptSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(testPluginDirectory().empty()) << "XT_TEST_PLUGIN_DIR names the test modules' folder";
        HostOptions options;
        options.systemDirectory = m_folder.path() / "system";
        m_host = std::make_unique<Host>(options);
        for (const LoadResult& result : m_host->loadPlugins(testPluginDirectory()))
            ASSERT_TRUE(result.loaded) << result.message;
        m_host->startSession();
    }

    ExitStatus run(const char* text)
    {
        const ParseResult parsed = parseScript(text);
        EXPECT_TRUE(parsed.script) << parsed.errors.front().message;
        if (!parsed.script)
            return ExitStatus::BadInput;
        ScriptRunner runner(*m_host, m_out, m_err, m_folder.path());
        return runner.run(*parsed.script, "session.txt");
    }

    xt_testing::TemporaryFolder m_folder;
    std::unique_ptr<Host> m_host;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(ScriptSession, RunsTheExampleSessionToTheEnd)
{
    const ExitStatus status = run("# the menus, a document saved and opened again\n"
                                  "list-menus\n"
                                  "new pages 2 size 595.5 x 842\n"
                                  "save brochure.json\n"
                                  "open brochure.json\n"
                                  "echo done\n");
    EXPECT_EQ(status, ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_err.str(), "");
    EXPECT_EQ(m_out.str(),
        "VORNE > Cellora...\n"
        "VORNE > ---\n"
        "VORNE > High Sibling One...\n"
        "VORNE > High Sibling Two...\n"
        "VORNE > ---\n"
        "VORNE > Low Sibling...\n"
        "[document] new \"Project1\": 2 pages, 595.5 x 842 pt\n"
        "[document] saved \"Project1\" as \"brochure.json\"\n"
        "[document] opened \"brochure.json\": \"Project1\", 1 layout, 2 pages\n"
        "done\n");
    EXPECT_TRUE(std::filesystem::exists(m_folder.path() / "brochure.json"));
    ASSERT_EQ(m_host->documents().projectCount(), 2u);
    EXPECT_EQ(m_host->currentDocument(), &m_host->documents().project(1).layout(0));
}

TEST_F(ScriptSession, ChoosesAMenuItemAndPrintsTheMessageItShows)
{
    const ExitStatus status = run("menu VORNE > Cellora...\n"
                                  "expect-message Cellora... chosen, language 0\n"
                                  "menu VORNE > Low Sibling...\n"
                                  "expect-message Low Sibling... chosen, language 0\n");
    EXPECT_EQ(status, ExitStatus::Ok) << m_err.str();
    const std::string out = m_out.str();
    EXPECT_NE(out.find("[message] "), std::string::npos) << out;
    EXPECT_NE(out.find("Cellora... chosen, language 0\n"), std::string::npos) << out;
    EXPECT_LT(out.find("Cellora... chosen"), out.find("Low Sibling... chosen")) << out;
    ASSERT_EQ(m_host->messageBoxes().size(), 2u);
}

struct FailingScript {
    const char* text;
    const char* error; // what the user reads on the error stream
};

const FailingScript kFailingScripts[] = {
    {"echo before\nexpect-message anything\necho after\n",
        "session.txt:2: expect-message: no message box was shown; expected \"anything\"\n"},
    {"menu VORNE > Cellora...\nexpect-message Low Sibling... chosen, language 0\necho after\n",
        "session.txt:2: expect-message: the last message was \"Cellora... chosen, language 0\", "
        "not \"Low Sibling... chosen, language 0\"\n"},
    {"menu VORNE > Frobnicate...\necho after\n", "session.txt:1: menu: there is no item \"VORNE > Frobnicate...\"\n"},
    {"menu Edit > Cellora...\necho after\n", "session.txt:1: menu: there is no item \"Edit > Cellora...\"\n"},
    {"save out.json\necho after\n", "session.txt:1: save: no document is open\n"},
    {"echo before\nanswer Cancel\nmenu VORNE > Cellora...\n", // the warning box has no Cancel button
        "session.txt:2: the answer was never used: no message box asked for it (1 unused)\n"},
    {"menu VORNE > Cellora... > More\necho after\n", "session.txt:1: menu: there is no item \"VORNE > Cellora... > More\"\n"},
    {"echo before\nanswer colour Red\nanswer file a.vog\nidle 3\n", // nothing asks for a colour or a file
        "session.txt:2: the colour answer was never used: no chooser asked for it (2 unused)\n"},
};

TEST_F(ScriptSession, StopsAtTheFirstFailingCommandNamingItsLine)
{
    for (const auto& row : kFailingScripts) {
        SCOPED_TRACE(row.text);
        m_out.str("");
        m_err.str("");
        m_host->user().clear();
        EXPECT_EQ(run(row.text), ExitStatus::Failed);
        EXPECT_EQ(m_err.str(), row.error);
        EXPECT_EQ(m_out.str().find("after"), std::string::npos) << "a command after the failure ran";
    }
}

TEST_F(ScriptSession, AnAnswerIsUsedByTheNextMessageBox)
{
    EXPECT_EQ(run("answer OK\nmenu VORNE > Cellora...\n"), ExitStatus::Ok) << m_err.str();
    ASSERT_EQ(m_host->messageBoxes().size(), 1u);
    EXPECT_TRUE(m_host->messageBoxes().front().answered);
    EXPECT_EQ(m_host->user().pending(), 0u);
}

TEST_F(ScriptSession, ADamagedDocumentIsRefusedAndNothingIsOpened)
{
    std::ofstream(m_folder.path() / "damaged.json") << R"({"format": "vorne-layout", "version": 1, "name": "x",
        "layouts": [{"name": "A", "pages": [{"width": 612, "height": "tall"}]}]})";

    EXPECT_EQ(run("new\nopen damaged.json\n"), ExitStatus::Failed);
    const std::string file = (m_folder.path() / "damaged.json").string();
    EXPECT_EQ(m_err.str(), "session.txt:2: open: cannot open \"" + file
            + "\": \"layouts[0].pages[0].height\" must be a length in points above 0 and below 32768\n");
    EXPECT_EQ(m_host->documents().projectCount(), 1u);
}

TEST_F(ScriptSession, FilesResolveAgainstTheWorkDirectoryUnlessAbsolute)
{
    xt_testing::TemporaryFolder elsewhere;
    const std::string absolute = (elsewhere.path() / "abs.json").string();
    const std::string script = "new\nsave rel.json\nsave " + absolute + "\n";
    EXPECT_EQ(run(script.c_str()), ExitStatus::Ok) << m_err.str();
    EXPECT_TRUE(std::filesystem::exists(m_folder.path() / "rel.json"));
    EXPECT_TRUE(std::filesystem::exists(absolute));
}

/// Select All takes the items no group holds on the page named (or the current one); two become a
/// pseudo-group standing for both, one is selected alone, and a page the document lacks fails at its line.
TEST_F(ScriptSession, SelectAllSelectsTheItemsOfThePage)
{
    using namespace model::testdoc;
    model::Layout& layout = m_host->newDocument({2, {}, "Selecting"});
    const int32_t first = addBox(layout, 0, rect(10, 10, 50, 50)).ref();
    const int32_t second = addLine(layout, 0, point(60, 10), point(60, 90)).ref();
    const int32_t alone = addBox(layout, 1, rect(10, 10, 50, 50)).ref();
    model::ItemStore& items = layout.items();

    EXPECT_EQ(run("select all\n"), ExitStatus::Ok) << m_err.str();
    const model::Item* current = items.find(items.current());
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->members(), (std::vector<int32_t>{first, second}));

    EXPECT_EQ(run("select all page 2\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(items.current(), alone);
    EXPECT_EQ(m_out.str(), "[document] selected 2 items on page 1\n[document] selected 1 item on page 2\n");

    EXPECT_EQ(run("echo first\nselect all page 3\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:2: select: there is no page 3; the document has 2 pages\n");
    EXPECT_EQ(items.current(), alone);
}

TEST_F(ScriptSession, SelectAllNeedsADocument)
{
    EXPECT_EQ(run("select all\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: select: no document is open\n");
}

TEST_F(ScriptSession, UndoAndRedoFailWhenThereIsNothingToTakeBack)
{
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"undo\n", "session.txt:1: undo: there is nothing to undo\n"},
        {"new\nredo\n", "session.txt:2: redo: there is nothing to redo\n"},
    };
    for (const auto& c : cases) {
        m_err.str("");
        EXPECT_EQ(run(c.script), ExitStatus::Failed) << c.script;
        EXPECT_EQ(m_err.str(), c.error) << c.script;
    }
}

} // namespace
} // namespace host::app
