// The layout-host program: its command line, the menu listing over the test modules, load failures and bad scripts.
#include "host/app/host_program.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "testing/temporary_folder.h"

namespace host::app {
namespace {

namespace fs = std::filesystem;

fs::path testPluginDirectory()
{
    const char* folder = std::getenv("XT_TEST_PLUGIN_DIR");
    return folder ? folder : "";
}

const char* const kTestMenuLines =
    "VORNE > Cellora...\n"
    "VORNE > ---\n"
    "VORNE > High Sibling One...\n"
    "VORNE > High Sibling Two...\n"
    "VORNE > ---\n"
    "VORNE > Low Sibling...\n";

class HostProgram : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(testPluginDirectory().empty()) << "XT_TEST_PLUGIN_DIR is not set"; }

    ProgramOptions options(const fs::path& plugins) const
    {
        ProgramOptions result;
        result.pluginDirectory = plugins;
        result.workDirectory = m_folder.path() / "work";
        return result;
    }

    xt_testing::TemporaryFolder m_folder;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(HostProgram, ListsTheMenuBarBuiltByTheTestModules)
{
    ProgramOptions listing = options(testPluginDirectory());
    listing.listMenus = true;
    EXPECT_EQ(runHostProgram(listing, m_out, m_err), ExitStatus::Ok);
    EXPECT_EQ(m_out.str(), kTestMenuLines);
    EXPECT_EQ(m_err.str(), "");
    EXPECT_TRUE(fs::is_directory(m_folder.path() / "work" / "system")) << "the default system directory";
}

TEST_F(HostProgram, NamesAModuleThatFailsToLoadAndRunsTheOthers)
{
    const fs::path plugins = m_folder.path() / "plugins";
    fs::create_directories(plugins);
    for (const auto& entry : fs::directory_iterator(testPluginDirectory())) {
        if (entry.is_regular_file() && entry.path().extension() == ".xnt")
            fs::copy_file(entry.path(), plugins / entry.path().filename());
    }
    std::ofstream(plugins / "Broken.xnt") << "not a library";

    ProgramOptions listing = options(plugins);
    listing.listMenus = true;
    EXPECT_EQ(runHostProgram(listing, m_out, m_err), ExitStatus::Failed);
    EXPECT_EQ(m_out.str(), kTestMenuLines);
    EXPECT_TRUE(m_err.str().starts_with("layout-host: ")) << m_err.str();
    EXPECT_NE(m_err.str().find("Broken.xnt"), std::string::npos) << m_err.str();
}

TEST_F(HostProgram, ABadScriptIsRefusedWholeWithEveryBadLine)
{
    const fs::path script = m_folder.path() / "session.txt";
    std::ofstream(script) << "new\nfrobnicate\nsave out.json\nanswer Maybe\n";

    ProgramOptions running = options(testPluginDirectory());
    running.script = script;
    EXPECT_EQ(runHostProgram(running, m_out, m_err), ExitStatus::BadInput);
    EXPECT_EQ(m_err.str(),
        script.string() + ":2: unknown command \"frobnicate\"\n"
        + script.string() + ":4: answer: expected OK, Cancel, Yes or No, not \"Maybe\"\n");
    EXPECT_EQ(m_out.str(), "");
    EXPECT_FALSE(fs::exists(m_folder.path() / "work" / "out.json"));
}

TEST_F(HostProgram, RunsAScriptInTheWorkDirectory)
{
    const fs::path script = m_folder.path() / "session.txt";
    std::ofstream(script) << "new pages 3\nsave doc.json\nmenu VORNE > Cellora...\n";

    ProgramOptions running = options(testPluginDirectory());
    running.script = script;
    running.systemDirectory = m_folder.path() / "windows";
    EXPECT_EQ(runHostProgram(running, m_out, m_err), ExitStatus::Ok) << m_err.str();
    EXPECT_TRUE(fs::exists(m_folder.path() / "work" / "doc.json"));
    EXPECT_TRUE(fs::is_directory(m_folder.path() / "windows"));
    EXPECT_NE(m_out.str().find("Cellora... chosen, language 0"), std::string::npos) << m_out.str();
}

struct CommandLineCase {
    std::vector<const char*> arguments;
    ExitStatus status; // Ok with listMenus or a script set means the options were accepted
};

TEST(CommandLine, AcceptsOneTaskAndRefusesTheRest)
{
    const std::string plugins = testPluginDirectory().string();
    xt_testing::TemporaryFolder folder;
    const std::string script = (folder.path() / "s.txt").string();
    std::ofstream(script) << "echo hi\n";
    const CommandLineCase cases[] = {
        {{"--plugins", plugins.c_str(), "--list-menus"}, ExitStatus::Ok},
        {{"--plugins", plugins.c_str(), "--script", script.c_str(), "--work-dir", "w", "--system-dir", "s"},
            ExitStatus::Ok},
        {{"--list-menus"}, ExitStatus::BadInput},                                    // no plug-in folder
        {{"--plugins", plugins.c_str()}, ExitStatus::BadInput},                      // nothing to do
        {{"--plugins", "/no/such/folder", "--list-menus"}, ExitStatus::BadInput},
        {{"--plugins", plugins.c_str(), "--script", "/no/such/script"}, ExitStatus::BadInput},
        {{"--plugins", plugins.c_str(), "--list-menus", "--script", script.c_str()}, ExitStatus::BadInput},
        {{"--plugins", plugins.c_str(), "--list-menus", "--frobnicate"}, ExitStatus::BadInput},
        {{"--help"}, ExitStatus::Ok},
    };
    for (const auto& row : cases) {
        std::vector<const char*> argv{"layout-host"};
        argv.insert(argv.end(), row.arguments.begin(), row.arguments.end());
        SCOPED_TRACE(argv.size() > 1 ? argv[1] : "");
        std::ostringstream out;
        std::ostringstream err;
        const auto parsed = parseCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
        if (const auto* options = std::get_if<ProgramOptions>(&parsed)) {
            EXPECT_EQ(row.status, ExitStatus::Ok);
            EXPECT_EQ(options->pluginDirectory, plugins);
            EXPECT_TRUE(options->listMenus || options->script);
            continue;
        }
        EXPECT_EQ(std::get<ExitStatus>(parsed), row.status) << err.str();
        EXPECT_FALSE(err.str().empty() && out.str().empty()) << "the user is told why";
    }
}

} // namespace
} // namespace host::app
