// fault-sweep: runs each session script once clean, then once per host call with that call failing, and reports findings.
#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <optional>

#include "tools/sweep/child_runs.h"
#include "tools/sweep/sweep_plan.h"
#include "tools/sweep/sweep_verdict.h"

namespace {

namespace fs = std::filesystem;

struct Options {
    fs::path host;
    fs::path plugins;
    fs::path out;
    std::vector<fs::path> scripts;
    std::vector<fs::path> workFiles;
    size_t sample = 0;
    size_t jobs = 4;
    int timeoutSeconds = 60;
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

/// Each run starts in a work directory of its own holding the files the sessions open.
void prepareWorkDirectory(const Options& options, const fs::path& folder)
{
    const fs::path work = folder / "work";
    fs::create_directories(work);
    for (const fs::path& file : options.workFiles)
        fs::copy_file(file, work / file.filename(), fs::copy_options::overwrite_existing);
}

sweep::ChildJob hostJob(const Options& options, const fs::path& script, const fs::path& folder,
    const std::optional<sweep::PlannedRun>& run)
{
    prepareWorkDirectory(options, folder);
    sweep::ChildJob job{{options.host.string(), "--plugins", options.plugins.string(), "--script",
                            fs::absolute(script).string(), "--work-dir", (folder / "work").string(),
                            "--sweep-report", (folder / "report.json").string()},
        folder};
    if (run) {
        job.arguments.push_back("--fail-call");
        job.arguments.push_back(run->call + ":" + std::to_string(run->nth));
    }
    return job;
}

/// The clean run: its report, or nullopt (with the reason printed) when the script fails without faults.
std::optional<nlohmann::json> cleanRun(const Options& options, const fs::path& script, const fs::path& folder)
{
    std::optional<nlohmann::json> report;
    sweep::runChildren({hostJob(options, script, folder / "clean", std::nullopt)}, 1,
        std::chrono::seconds(options.timeoutSeconds), [&](size_t, const sweep::ChildEnd& end) {
            if (!end.signalled && end.code == 0)
                report = readReport(folder / "clean" / "report.json");
        });
    if (!report)
        std::cerr << script.string() << ": the clean run failed; see " << (folder / "clean").string() << "\n";
    return report;
}

/// Sweeps one script; returns the number of findings.
size_t sweepScript(const Options& options, const fs::path& script)
{
    const fs::path folder = options.out / script.stem();
    fs::remove_all(folder);
    const auto baseline = cleanRun(options, script, folder);
    if (!baseline)
        return 1;
    const auto plan = sweep::samplePlan(
        sweep::planRuns((*baseline)["calls"].get<std::map<std::string, int32_t>>()), options.sample);
    std::vector<sweep::ChildJob> jobs;
    for (const auto& run : plan)
        jobs.push_back(hostJob(options, script, folder / (run.call + "-" + std::to_string(run.nth)), run));

    size_t findings = 0;
    sweep::runChildren(jobs, options.jobs, std::chrono::seconds(options.timeoutSeconds),
        [&](size_t index, const sweep::ChildEnd& end) {
            const auto verdict = sweep::judgeRun(end, readReport(jobs[index].folder / "report.json"), *baseline);
            if (verdict.sound) {
                fs::remove_all(jobs[index].folder);
                return;
            }
            ++findings;
            std::cout << "FINDING " << script.filename().string() << " " << plan[index].call << ":"
                      << plan[index].nth << ": " << verdict.reason << " (" << jobs[index].folder.string() << ")\n";
        });
    std::cout << script.filename().string() << ": " << plan.size() << " runs, " << findings << " findings\n";
    return findings;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    CLI::App app{"Runs session scripts with each host call failing in turn and reports crashes, sanitizer "
                 "findings and failures that changed a document without telling the user.",
        "fault-sweep"};
    app.add_option("--host", options.host, "The layout-host program")->required()->check(CLI::ExistingFile);
    app.add_option("--plugins", options.plugins, "Folder of the *.xnt plug-ins")->required()->check(CLI::ExistingDirectory);
    app.add_option("--out", options.out, "Folder for the runs; a finding's run folder is kept there")->required();
    app.add_option("--sample", options.sample, "Make at most this many failing runs per script (0: all)");
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
    size_t findings = 0;
    for (const fs::path& script : options.scripts)
        findings += sweepScript(options, script);
    std::cout << (findings == 0 ? "fault sweep: sound\n" : "fault sweep: " + std::to_string(findings) + " findings\n");
    return findings == 0 ? 0 : 1;
}
