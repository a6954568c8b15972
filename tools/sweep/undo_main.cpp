// undo-check: runs each session script once under layout-host's undo check and reports every step whose
// Undo did not give back the documents as they were before it, or whose Redo not as they were after it.
#include <CLI/CLI.hpp>

#include <iostream>

#include "tools/sweep/child_runs.h"
#include "tools/sweep/run_options.h"
#include "tools/sweep/undo_verdict.h"

namespace {

namespace fs = std::filesystem;

using Options = sweep::RunOptions;
using sweep::readReport;

sweep::ChildJob checkJob(const Options& options, const fs::path& script)
{
    const fs::path folder = options.out / script.stem();
    fs::remove_all(folder);
    const fs::path work = sweep::prepareWorkDirectory(options, folder);
    return {{options.host.string(), "--plugins", options.plugins.string(), "--script", fs::absolute(script).string(),
                "--work-dir", work.string(), "--undo-report", (folder / "undo.json").string()},
        folder};
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    CLI::App app{"Runs session scripts with Undo and Redo tried after every step they make, and reports each step "
                 "that did not give back the documents exactly as they were before and after it.",
        "undo-check"};
    options.timeoutSeconds = 120;
    sweep::addRunOptions(app, options, "Folder for the runs; a run with findings is kept there");
    CLI11_PARSE(app, argc, argv);

    sweep::makePathsAbsolute(options);
    sweep::setSanitizerEnvironment();
    std::vector<sweep::ChildJob> jobs;
    for (const fs::path& script : options.scripts)
        jobs.push_back(checkJob(options, script));

    size_t findings = 0;
    size_t steps = 0;
    sweep::runChildren(jobs, options.jobs, std::chrono::seconds(options.timeoutSeconds),
        [&](size_t index, const sweep::ChildEnd& end) {
            const auto report = readReport(jobs[index].folder / "undo.json");
            if (report && report->contains("steps") && (*report)["steps"].is_array())
                steps += (*report)["steps"].size();
            const auto found = sweep::undoFindings(end, report);
            for (const std::string& finding : found)
                std::cout << "FINDING " << options.scripts[index].filename().string() << " " << finding << " ("
                          << jobs[index].folder.string() << ")\n";
            findings += found.size();
            if (found.empty())
                fs::remove_all(jobs[index].folder);
        });
    std::cout << "undo check: " << options.scripts.size() << " sessions, " << steps << " steps undone and redone, "
              << findings << (findings == 1 ? " finding\n" : " findings\n");
    return findings == 0 ? 0 : 1;
}
