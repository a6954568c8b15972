// undo-check: runs each session script once under layout-host's undo check and reports every step whose
// Undo did not give back the documents as they were before it, or whose Redo not as they were after it.
#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>

#include "tools/sweep/child_runs.h"
#include "tools/sweep/undo_verdict.h"

namespace {

namespace fs = std::filesystem;

struct Options {
    fs::path host;
    fs::path plugins;
    fs::path out;
    std::vector<fs::path> scripts;
    std::vector<fs::path> workFiles;
    size_t jobs = 4;
    int timeoutSeconds = 120;
};

std::optional<nlohmann::json> readReport(const fs::path& file)
{
    std::ifstream in(file);
    if (!in)
        return std::nullopt;
    auto parsed = nlohmann::json::parse(in, nullptr, false);
    if (parsed.is_discarded())
        return std::nullopt;
    return parsed;
}

sweep::ChildJob checkJob(const Options& options, const fs::path& script)
{
    const fs::path folder = options.out / script.stem();
    fs::remove_all(folder);
    const fs::path work = folder / "work";
    fs::create_directories(work);
    for (const fs::path& file : options.workFiles)
        fs::copy_file(file, work / file.filename(), fs::copy_options::overwrite_existing);
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
    app.add_option("--host", options.host, "The layout-host program")->required()->check(CLI::ExistingFile);
    app.add_option("--plugins", options.plugins, "Folder of the *.xnt plug-ins")->required()->check(CLI::ExistingDirectory);
    app.add_option("--out", options.out, "Folder for the runs; a run with findings is kept there")->required();
    app.add_option("--jobs", options.jobs, "Runs at a time");
    app.add_option("--timeout", options.timeoutSeconds, "Seconds before a run counts as a hang");
    app.add_option("--work-file", options.workFiles, "A file copied into each run's work directory (repeatable)")
        ->check(CLI::ExistingFile)
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option("scripts", options.scripts, "Session scripts")->required()->check(CLI::ExistingFile);
    CLI11_PARSE(app, argc, argv);

    options.host = fs::absolute(options.host);
    options.plugins = fs::absolute(options.plugins);
    options.out = fs::absolute(options.out);
    for (fs::path& file : options.workFiles)
        file = fs::absolute(file);
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
