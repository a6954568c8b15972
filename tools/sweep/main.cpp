// fault-sweep: runs each session script once clean, then once per host call with that call failing, and reports findings.
#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>

#include "tools/sweep/child_runs.h"
#include "tools/sweep/run_options.h"
#include "tools/sweep/sweep_plan.h"
#include "tools/sweep/sweep_verdict.h"

namespace {

namespace fs = std::filesystem;

struct Options : sweep::RunOptions {
    size_t sample = 0;
};

using sweep::readReport;

sweep::ChildJob hostJob(const Options& options, const fs::path& script, const fs::path& folder,
    const std::optional<sweep::PlannedRun>& run)
{
    const fs::path work = sweep::prepareWorkDirectory(options, folder);
    sweep::ChildJob job{{options.host.string(), "--plugins", options.plugins.string(), "--script",
                            fs::absolute(script).string(), "--work-dir", work.string(),
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
    sweep::addRunOptions(app, options, "Folder for the runs; a finding's run folder is kept there");
    app.add_option("--sample", options.sample, "Make at most this many failing runs per script (0: all)");
    CLI11_PARSE(app, argc, argv);

    sweep::makePathsAbsolute(options);
    sweep::setSanitizerEnvironment();
    size_t findings = 0;
    for (const fs::path& script : options.scripts)
        findings += sweepScript(options, script);
    std::cout << (findings == 0 ? "fault sweep: sound\n" : "fault sweep: " + std::to_string(findings) + " findings\n");
    return findings == 0 ? 0 : 1;
}
