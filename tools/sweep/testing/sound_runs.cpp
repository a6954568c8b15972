// Runs of layout-host for the tests of the sweep's findings, judged as the sweep judges them.
#include "tools/sweep/testing/sound_runs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>

#include "testing/temporary_folder.h"
#include "tools/sweep/child_runs.h"
#include "tools/sweep/sweep_verdict.h"

namespace sweep {

namespace fs = std::filesystem;

HostRun runSession(const fs::path& folder, const fs::path& script, const fs::path& plugins, const std::string& failCall)
{
    fs::remove_all(folder / "work");
    fs::create_directories(folder / "work");
    fs::copy_file(XT_EXAMPLE_DOCUMENT, folder / "work" / "example-document.json");
    std::vector<std::string> arguments{XT_LAYOUT_HOST, "--plugins", plugins.string(), "--script", script.string(),
        "--work-dir", (folder / "work").string(), "--sweep-report", (folder / "report.json").string()};
    if (!failCall.empty()) {
        arguments.push_back("--fail-call");
        arguments.push_back(failCall);
    }
    HostRun run;
    runChildren({{arguments, folder}}, 1, std::chrono::seconds(120), [&](size_t, const ChildEnd& end) { run.end = end; });
    std::ifstream in(folder / "report.json");
    run.report = nlohmann::json::parse(in, nullptr, false);
    return run;
}

void expectSoundRuns(const fs::path& script, const std::vector<const char*>& calls)
{
    const xt_testing::TemporaryFolder folder(script.stem().string());
    const HostRun clean = runSession(folder / "clean", script, XT_PLUGINS, "");
    ASSERT_EQ(clean.end.code, 0) << script.filename().string() << " does not run cleanly";
    ASSERT_FALSE(clean.report.is_discarded());
    for (const char* call : calls) {
        const HostRun run = runSession(folder / call, script, XT_PLUGINS, call);
        const std::optional<nlohmann::json> report =
            run.report.is_discarded() ? std::nullopt : std::optional<nlohmann::json>(run.report);
        const Verdict verdict = judgeRun(run.end, report, clean.report);
        EXPECT_TRUE(verdict.sound) << script.filename().string() << " " << call << ": " << verdict.reason;
    }
}

} // namespace sweep
