// Runs layout-host children in parallel, each in its own folder, and reports how each ended.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tools/sweep/child_end.h"

namespace sweep {

struct ChildJob {
    std::vector<std::string> arguments; // argv, the program first
    std::filesystem::path folder;       // made before the start; receives stdout.txt and stderr.txt
};

/// Runs the jobs, at most `parallel` at a time; a child still running after `timeout` is killed and
/// counted as a hang. `done` is called in the parent as each job ends, with its index.
void runChildren(const std::vector<ChildJob>& jobs, size_t parallel, std::chrono::seconds timeout,
    const std::function<void(size_t, const ChildEnd&)>& done);

/// Asks the sanitizers of the children to exit with kSanitizerExitCode and to stop at the first finding.
void setSanitizerEnvironment();

} // namespace sweep
