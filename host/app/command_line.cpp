// The command line of layout-host, read with CLI11.
#include <CLI/CLI.hpp>

#include "host/app/host_program.h"

namespace host::app {

std::variant<ProgramOptions, ExitStatus> parseCommandLine(int argc, const char* const* argv, std::ostream& out,
    std::ostream& err)
{
    ProgramOptions options;
    std::string script;
    CLI::App app{"The stand-in page-layout host: loads the *.xnt plug-ins of a folder and runs a session.",
        "layout-host"};
    app.add_option("--plugins", options.pluginDirectory, "Folder whose *.xnt modules are loaded, in name order")
        ->required()
        ->check(CLI::ExistingDirectory);
    auto* list = app.add_flag("--list-menus", options.listMenus, "Print the menu bar, one line per item");
    auto* run = app.add_option("--script", script, "Run the session script in this file")->check(CLI::ExistingFile);
    app.add_option("--system-dir", options.systemDirectory,
        "Folder that stands for the Windows system directory (default: \"system\" under the work directory)");
    app.add_option("--work-dir", options.workDirectory,
        "Folder that relative file names in scripts resolve against (default: the current directory)");
    list->excludes(run);
    std::string failCall;
    app.add_option("--fail-call", failCall, "Make the N-th call of a host operation fail (fault sweep), e.g. NewHandle:3");
    app.add_option("--sweep-report", options.sweepReport, "Write what the run saw as JSON (fault sweep)");
    app.add_option("--undo-report", options.undoReport,
        "After each command that makes an undo step, undo and redo it at once and write how the documents came back, as JSON");
    try {
        app.parse(argc, argv);
        if (!options.listMenus && script.empty())
            throw CLI::RequiredError("--list-menus or --script");
        if (!failCall.empty() && !(options.failCall = parseFailCall(failCall)))
            throw CLI::ValidationError("--fail-call", "expected NAME:N with N from 1, not \"" + failCall + "\"");
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error, out, err);
        return status == 0 ? ExitStatus::Ok : ExitStatus::BadInput;
    }
    if (!script.empty())
        options.script = script;
    return options;
}

} // namespace host::app
