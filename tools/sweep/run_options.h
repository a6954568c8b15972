// What the fault sweep and the undo check share: where the host and plug-ins are, where runs go, the
// files each run's work folder starts with, and reading a run's JSON report.
#pragma once

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <optional>
#include <vector>

namespace sweep {

struct RunOptions {
    std::filesystem::path host;
    std::filesystem::path plugins;
    std::filesystem::path out;
    std::vector<std::filesystem::path> scripts;
    std::vector<std::filesystem::path> workFiles;
    size_t jobs = 4;
    int timeoutSeconds = 60;
};

/// --host, --plugins, --out, --jobs, --timeout, --work-file and the scripts; `outHelp` says what stays in --out.
void addRunOptions(CLI::App& app, RunOptions& options, const char* outHelp);

/// Paths made absolute, since each run works in a folder of its own.
void makePathsAbsolute(RunOptions& options);

/// `folder`/work, holding a fresh copy of each work file; returns it.
std::filesystem::path prepareWorkDirectory(const RunOptions& options, const std::filesystem::path& folder);

/// A run's JSON report, or nothing when it is missing or unreadable.
std::optional<nlohmann::json> readReport(const std::filesystem::path& file);

} // namespace sweep
