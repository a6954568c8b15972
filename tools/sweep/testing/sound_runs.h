// For tests of the fault sweep's findings: layout-host run on a session script, cleanly or with one host
// call failing, in a work folder holding the example document, and each run judged as the sweep judges it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/sweep/child_end.h"

namespace sweep {

struct HostRun {
    ChildEnd end;
    nlohmann::json report; // discarded when the run wrote none
};

/// Runs the script in `folder`/work with the plug-ins of `plugins`; `failCall` ("NewHandle:3") may be empty.
HostRun runSession(const std::filesystem::path& folder, const std::filesystem::path& script,
    const std::filesystem::path& plugins, const std::string& failCall);

/// Runs the script once cleanly and once per call of `calls` failing, with the plug-ins this build
/// made, and expects every failing run to end soundly (a gtest failure per finding).
void expectSoundRuns(const std::filesystem::path& script, const std::vector<const char*>& calls);

} // namespace sweep
