// The `dialog` and `palette` script commands: how they read, and a session that answers a plug-in's dialog.
#include <dlfcn.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "host/app/script_parser.h"
#include "host/app/script_runner.h"
#include "host/host.h"
#include "host/host_context.h"
#include "testing/temporary_folder.h"
#include "win32/standin.h"
#include "xtapi/operations.h"

namespace host::app {
namespace {

using Verb = DialogCommand::Verb;

DialogCommand command(Verb verb, int item = 0, int value = 0, std::string text = {}, bool main = false)
{
    return DialogCommand{verb, main, item, value, std::move(text)};
}

TEST(DialogCommandParser, ReadsEveryActionOfTheScriptedUser)
{
    struct Case {
        const char* line;
        CommandAction action;
    };
    const Case cases[] = {
        {"dialog set 12 \"50%\"", command(Verb::Set, 12, 0, "50%")},
        {"dialog set 12 \"\"", command(Verb::Set, 12, 0, "")},           // an emptied field
        {"dialog set 7 1.5 in", command(Verb::Set, 7, 0, "1.5 in")},       // unquoted: the rest of the line
        {"dialog set main 3 \"a \"b\"\"", command(Verb::Set, 3, 0, "a \"b\"", true)},
        {"dialog check 4 off", command(Verb::Check, 4, 0)},
        {"dialog check 4 on", command(Verb::Check, 4, 1)},
        {"dialog choose 28 3", command(Verb::Choose, 28, 3)},
        {"dialog choose 1 4 column 1", DialogCommand{Verb::Choose, false, 1, 4, {}, 1}}, // a cell of a list with columns
        {"dialog click 7", command(Verb::Click, 7)},
        {"dialog click main 3", command(Verb::Click, 3, 0, {}, true)},
        {"dialog tab 2", command(Verb::Tab, 0, 2)},
        {"dialog ok", command(Verb::Ok)},
        {"dialog cancel", command(Verb::Cancel)},
        {"palette click 4", PaletteCommand{command(Verb::Click, 4)}},
        {"palette choose 3 1", PaletteCommand{command(Verb::Choose, 3, 1)}},
    };
    for (const auto& c : cases) {
        const ParseResult parsed = parseScript(c.line);
        ASSERT_TRUE(parsed.script) << c.line << ": " << parsed.errors.front().message;
        EXPECT_EQ(parsed.script->commands.front().action, c.action) << c.line;
    }
}

TEST(DialogCommandParser, RefusesWhatTheUserCannotDo)
{
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"dialog press 7", "dialog: unknown action \"press\" (expected set, check, choose, click, tab, ok or cancel)"},
        {"dialog set 12", "dialog: expected \"dialog set [main] ITEM \"TEXT\"\""},
        {"dialog set 12 \"open", "dialog: expected \"dialog set [main] ITEM \"TEXT\"\""},
        {"dialog check 4 maybe", "dialog: expected \"dialog check [main] ITEM on|off\""},
        {"dialog choose 28 -1", "dialog: expected \"dialog choose [main] ITEM ROW [column COLUMN]\""},
        {"dialog choose 28 1 column", "dialog: expected \"dialog choose [main] ITEM ROW [column COLUMN]\""},
        {"dialog choose 28 1 col 2", "dialog: expected \"dialog choose [main] ITEM ROW [column COLUMN]\""},
        {"dialog choose 28 1 column -2", "dialog: expected \"dialog choose [main] ITEM ROW [column COLUMN]\""},
        {"dialog click seven", "dialog: expected \"dialog click [main] ITEM\""},
        {"dialog click 7 8", "dialog: expected \"dialog click [main] ITEM\""},
        {"dialog tab", "dialog: expected \"dialog tab INDEX\""},
        {"dialog ok now", "dialog: expected \"dialog ok\""},
        {"palette ok", "palette: only set, check, choose and click act on a palette's items"},
        {"palette click main 1", "palette: only set, check, choose and click act on a palette's items"},
    };
    for (const auto& c : cases) {
        const ParseResult parsed = parseScript(c.line);
        ASSERT_FALSE(parsed.script) << c.line;
        EXPECT_EQ(parsed.errors.front().message, c.message) << c.line;
    }
}

/// A host with the dialog probe module: a menu item "Probe > Dialog..." that opens its tabbed dialog.
class DialogSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* folder = std::getenv("XT_TEST_PLUGIN_DIR");
        ASSERT_TRUE(folder) << "XT_TEST_PLUGIN_DIR names the test modules' folder";
        HostOptions options;
        options.systemDirectory = m_folder.path() / "system";
        m_host = std::make_unique<Host>(options);
        const auto results = m_host->loadModules({std::filesystem::path(folder) / "host" / "DialogProbe.xnt"});
        ASSERT_TRUE(results.front().loaded) << results.front().message;
        m_host->startSession();
    }

    ExitStatus run(const char* text)
    {
        const ParseResult parsed = parseScript(text);
        EXPECT_TRUE(parsed.script);
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

TEST_F(DialogSession, QueuedActionsAnswerTheDialogThatTheMenuOpens)
{
    const ExitStatus status = run("dialog set 7 \"2 in\"\n"
                                  "dialog tab 1\n"
                                  "dialog ok\n"
                                  "menu Probe > Dialog...\n");
    EXPECT_EQ(status, ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_out.str(), "[dialog] \" Probe\" -> OK\n");
    EXPECT_EQ(m_host->windows().dialogUser().pending(), 0u);
}

TEST_F(DialogSession, AnUnexpectedDialogStopsTheScriptAtItsLine)
{
    const ExitStatus status = run("echo before\n"
                                  "menu Probe > Dialog...\n"
                                  "echo never\n");
    EXPECT_EQ(status, ExitStatus::Failed);
    EXPECT_EQ(m_out.str(), "before\n[dialog] \" Probe\" -> Cancel\n"
                           "[dialog problem] no scripted action was queued for this dialog: the host cancelled it\n");
    EXPECT_EQ(m_err.str(), "session.txt:2: the dialog \" Probe\" was not expected: no scripted action was queued "
                           "for this dialog: the host cancelled it\n");
}

TEST_F(DialogSession, AnActionTheDialogRefusesFailsTheMenuCommand)
{
    const ExitStatus status = run("dialog click 14\n"
                                  "dialog cancel\n"
                                  "menu Probe > Dialog...\n");
    EXPECT_EQ(status, ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:3: the dialog \" Probe\": click 14: item 14 is disabled\n");
}

TEST_F(DialogSession, ActionsNoDialogTookFailTheScriptAtTheirLine)
{
    const ExitStatus status = run("echo start\n"
                                  "dialog ok\n");
    EXPECT_EQ(status, ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:2: the dialog action was never used: no dialog took it (1 unused)\n");
}

TEST_F(DialogSession, PaletteCommandsNeedAnOpenPalette)
{
    EXPECT_EQ(run("palette click 1\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: palette: no palette is open\n");
}

/// `palette size` drags the palette opened last; `draw window` saves what the palette drew into its window.
TEST_F(DialogSession, APaletteIsSizedAndItsDrawingSaved)
{
    void* library = context().plugins().modules().front()->library;
    auto base = reinterpret_cast<int32_t (*)()>(dlsym(library, "DialogProbeWindowBase"));
    ASSERT_TRUE(base);
    xt::Handle record = win32::newHandle(42);
    xt::WindowRef palette = 0;
    auto open = reinterpret_cast<xt::op::OpenPalette::Signature*>(context().tables().entryOf(xt::op::OpenPalette::number));
    ASSERT_EQ(open(base() + 3, record, &palette), 0);
    const ExitStatus status = run("palette size 248 210\n"
                                  "draw window |Probe palette.svg\n");
    win32::disposeHandle(record);
    ASSERT_EQ(status, ExitStatus::Ok) << m_err.str();
    EXPECT_EQ(m_out.str(), "[window] \"|Probe\" sized 248 x 197\n"
                           "[window] drew \"|Probe\" as \"palette.svg\": 1 shape\n");
    std::ifstream saved(m_folder.path() / "palette.svg");
    const std::string svg((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    EXPECT_NE(svg.find("fill=\"#ff8000\""), std::string::npos) << svg;

    EXPECT_EQ(run("draw window Nowhere nowhere.svg\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: draw window: no open window is titled \"Nowhere\"\n");
    EXPECT_FALSE(std::filesystem::exists(m_folder.path() / "nowhere.svg"));
}

} // namespace
} // namespace host::app
