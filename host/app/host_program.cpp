// What layout-host does: prepare its folders, load the plug-ins, start the session, list menus or run a script.
#include "host/app/host_program.h"

#include <fstream>
#include <iterator>

#include "host/app/script_parser.h"
#include "host/app/undo_check.h"
#include "host/host.h"
#include "xtapi/messages.h"

namespace host::app {
namespace {

namespace fs = std::filesystem;

ExitStatus worse(ExitStatus a, ExitStatus b)
{
    return static_cast<int>(a) > static_cast<int>(b) ? a : b;
}

/// Makes the folder when it is missing; false (with the reason printed) when it cannot be had.
bool prepareFolder(const fs::path& folder, const char* what, std::ostream& err)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (!error && fs::is_directory(folder, error))
        return true;
    err << "layout-host: cannot use \"" << folder.string() << "\" as the " << what
        << (error ? ": " + error.message() : std::string(": it is not a folder")) << "\n";
    return false;
}

/// The script read and parsed before any plug-in loads, so a wrong script costs nothing.
std::optional<Script> readScript(const fs::path& file, std::ostream& err)
{
    std::ifstream in(file, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.is_open() || in.bad()) {
        err << "layout-host: cannot read the script \"" << file.string() << "\"\n";
        return std::nullopt;
    }
    ParseResult parsed = parseScript(text);
    for (const ScriptError& error : parsed.errors)
        err << formatScriptError(file.string(), error) << "\n";
    return std::move(parsed.script);
}

/// Every module that failed is named with its reason; the others still run.
ExitStatus loadPlugins(Host& host, const fs::path& folder, std::ostream& err)
{
    ExitStatus status = ExitStatus::Ok;
    for (const LoadResult& result : host.loadPlugins(folder)) {
        if (result.loaded)
            continue;
        err << "layout-host: " << result.message << "\n";
        status = ExitStatus::Failed;
    }
    return status;
}

} // namespace

ExitStatus runHostProgram(const ProgramOptions& options, std::ostream& out, std::ostream& err)
{
    const fs::path workDirectory = options.workDirectory.empty() ? fs::current_path() : options.workDirectory;
    const fs::path systemDirectory =
        options.systemDirectory.empty() ? workDirectory / "system" : options.systemDirectory;
    if (!prepareFolder(workDirectory, "work directory", err))
        return ExitStatus::BadInput;
    if (!prepareFolder(systemDirectory, "system directory", err))
        return ExitStatus::BadInput;

    std::optional<Script> script;
    if (options.script) {
        script = readScript(*options.script, err);
        if (!script)
            return ExitStatus::BadInput;
    }

    HostOptions hostOptions;
    hostOptions.systemDirectory = systemDirectory;
    Host host(hostOptions);
    SweepProbe probe(host, options.failCall);
    std::optional<UndoCheck> undoCheck;
    if (!options.undoReport.empty())
        undoCheck.emplace(host);
    ExitStatus status = loadPlugins(host, options.pluginDirectory, err);
    host.startSession();
    probe.scriptStarting();

    if (options.listMenus) {
        for (const std::string& line : host.menuLines())
            out << line << "\n";
    }
    if (script) {
        ScriptRunner runner(host, out, err, workDirectory);
        runner.onCommandDone([&probe, &undoCheck](const Command& command, bool failed) {
            probe.commandDone(command, failed);
            if (undoCheck)
                undoCheck->commandDone(command, failed);
        });
        status = worse(status, runner.run(*script, options.script->string()));
    }
    host.quit();
    if (!options.sweepReport.empty() && !probe.writeReport(options.sweepReport, static_cast<int>(status))) {
        err << "layout-host: cannot write the sweep report \"" << options.sweepReport.string() << "\"\n";
        return worse(status, ExitStatus::Failed);
    }
    if (undoCheck && !undoCheck->writeReport(options.undoReport)) {
        err << "layout-host: cannot write the undo report \"" << options.undoReport.string() << "\"\n";
        return worse(status, ExitStatus::Failed);
    }
    return status;
}

} // namespace host::app
