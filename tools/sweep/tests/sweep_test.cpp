// The fault sweep: the runs it plans, how it judges them, and layout-host's side of it (--fail-call, the report).
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "host/app/sweep_probe.h"
#include "testing/temporary_folder.h"
#include "tools/sweep/child_runs.h"
#include "tools/sweep/sweep_plan.h"
#include "tools/sweep/sweep_verdict.h"
#include "tools/sweep/testing/sound_runs.h"

namespace sweep {
namespace {

namespace fs = std::filesystem;

TEST(SweepPlan, OneRunPerCallAndASampleKeepsEveryOperation)
{
    const auto plan = planRuns({{"NewHandle", 3}, {"CreateFile", 1}, {"Unused", 0}});
    const std::vector<PlannedRun> all{{"CreateFile", 1}, {"NewHandle", 1}, {"NewHandle", 2}, {"NewHandle", 3}};
    EXPECT_EQ(plan, all);
    EXPECT_EQ(samplePlan(plan, 0), all);
    EXPECT_EQ(samplePlan(plan, 10), all);

    const auto two = samplePlan(plan, 2);
    EXPECT_EQ(two, (std::vector<PlannedRun>{{"CreateFile", 1}, {"NewHandle", 1}}));
    EXPECT_EQ(samplePlan(plan, 3).size(), 3u);
}

TEST(FailCallOption, ReadsNameAndCount)
{
    struct Case {
        const char* text;
        bool valid;
        const char* name;
        int32_t nth;
    } cases[] = {
        {"NewHandle:3", true, "NewHandle", 3},
        {"Odd:Name:2", true, "Odd:Name", 2}, // the count follows the last colon
        {"NewHandle", false, "", 0},
        {":3", false, "", 0},
        {"NewHandle:0", false, "", 0},  // calls count from 1
        {"NewHandle:-1", false, "", 0},
        {"NewHandle:3x", false, "", 0},
        {"NewHandle:", false, "", 0},
    };
    for (const Case& c : cases) {
        const auto parsed = host::app::parseFailCall(c.text);
        ASSERT_EQ(parsed.has_value(), c.valid) << c.text;
        if (!parsed)
            continue;
        EXPECT_EQ(parsed->name, c.name);
        EXPECT_EQ(parsed->nth, c.nth);
    }
}

nlohmann::json reportWithStrike(int line, bool failed, bool message, const std::string& before, const std::string& after)
{
    return {{"strike", {{"line", line}, {"commandFailed", failed}, {"messageShown", message}, {"before", before},
                           {"after", after}}}};
}

TEST(SweepVerdict, JudgesHowTheRunEndedAndWhatTheUserWasLeftWith)
{
    const nlohmann::json baseline = {{"snapshots", {{{"line", 4}, {"documents", "B"}}}}};
    struct Case {
        const char* what;
        ChildEnd end;
        std::optional<nlohmann::json> report;
        bool sound;
    } cases[] = {
        {"crash", {true, 11, false}, nlohmann::json::object(), false},
        {"hang", {true, 9, true}, nlohmann::json::object(), false},
        {"sanitizer", {false, kSanitizerExitCode, false}, nlohmann::json::object(), false},
        {"bad script status", {false, 2, false}, nlohmann::json::object(), false},
        {"no report", {false, 0, false}, std::nullopt, false},
        {"call never came", {false, 0, false}, nlohmann::json::object(), true},
        {"while loading", {false, 1, false}, reportWithStrike(0, false, false, "", ""), true},
        {"command failed", {false, 1, false}, reportWithStrike(4, true, false, "A", "C"), true},
        {"message shown", {false, 0, false}, reportWithStrike(4, false, true, "A", "C"), true},
        {"document unchanged", {false, 0, false}, reportWithStrike(4, false, false, "A", "A"), true},
        {"absorbed: as the clean run", {false, 0, false}, reportWithStrike(4, false, false, "A", "B"), true},
        {"silent change", {false, 0, false}, reportWithStrike(4, false, false, "A", "C"), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(judgeRun(c.end, c.report, baseline).sound, c.sound) << c.what;
}

TEST(ChildRuns, ACrashingOrHangingChildIsReportedAndTheSweepGoesOn)
{
    const xt_testing::TemporaryFolder folder("sweep-children");
    const std::vector<ChildJob> jobs{
        {{"/bin/sh", "-c", "kill -SEGV $$"}, folder / "crash"},
        {{"/bin/sh", "-c", "echo said; exit 1"}, folder / "fails"},
        {{"/bin/sh", "-c", "sleep 30"}, folder / "hangs"},
    };
    std::vector<ChildEnd> ends(jobs.size());
    runChildren(jobs, 3, std::chrono::seconds(1), [&](size_t index, const ChildEnd& end) { ends[index] = end; });
    EXPECT_TRUE(ends[0].signalled);
    EXPECT_EQ(ends[0].code, SIGSEGV);
    EXPECT_FALSE(ends[1].signalled);
    EXPECT_EQ(ends[1].code, 1);
    EXPECT_TRUE(ends[2].timedOut);
    std::ifstream said(folder / "fails" / "stdout.txt");
    std::string line;
    std::getline(said, line);
    EXPECT_EQ(line, "said");
}

nlohmann::json runHost(const fs::path& folder, const std::string& script, const std::string& failCall)
{
    std::ofstream(folder / "session.txt") << script;
    return runSession(folder, folder / "session.txt", XT_TEST_PLUGINS, failCall).report;
}

TEST(LayoutHostSweepReport, CountsCallsSnapshotsDocumentsAndPlacesTheFailure)
{
    const xt_testing::TemporaryFolder folder("sweep-host");
    const std::string script = "new pages 2\nsave a.json\necho done\n";
    const auto clean = runHost(folder.path(), script, "");
    ASSERT_FALSE(clean.is_discarded());
    EXPECT_EQ(clean["exitStatus"], 0);
    ASSERT_EQ(clean["snapshots"].size(), 3u);
    EXPECT_EQ(clean["snapshots"][0]["line"], 1);
    EXPECT_NE(clean["snapshots"][0]["documents"].get<std::string>().find("Layout"), std::string::npos);
    EXPECT_FALSE(clean.contains("strike"));
    ASSERT_TRUE(clean["calls"].is_object());
    EXPECT_GT(clean["calls"].size(), 0u);

    // The first call the run makes, failed: the report says where it struck.
    const std::string call = clean["calls"].begin().key();
    const auto failed = runHost(folder.path(), script, call + ":1");
    ASSERT_FALSE(failed.is_discarded());
    ASSERT_TRUE(failed.contains("strike"));
    EXPECT_EQ(failed["failCall"]["name"], call);
}

} // namespace
} // namespace sweep
