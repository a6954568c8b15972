// The host program as a function: load the plug-ins, start the session, list the menus or run a script.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <variant>

#include "host/app/script_runner.h"
#include "host/app/sweep_probe.h"

namespace host::app {

struct ProgramOptions {
    std::filesystem::path pluginDirectory;
    /// Empty: the folder "system" under the work directory.
    std::filesystem::path systemDirectory;
    /// Empty: the current directory.
    std::filesystem::path workDirectory;
    std::optional<std::filesystem::path> script;
    bool listMenus = false;
    /// For the fault sweep: the host call to fail, and where to write what the run saw.
    std::optional<FailCall> failCall;
    std::filesystem::path sweepReport;
    /// For the undo check: where to write how Undo and Redo of each step the session made came out.
    std::filesystem::path undoReport;
};

/// The options, or the status to exit with when the command line asked for help or was wrong
/// (the parser has then printed why).
std::variant<ProgramOptions, ExitStatus> parseCommandLine(int argc, const char* const* argv, std::ostream& out,
    std::ostream& err);

/// What `layout-host` does once its command line is read; `out` gets the session, `err` the failures.
ExitStatus runHostProgram(const ProgramOptions& options, std::ostream& out, std::ostream& err);

} // namespace host::app
