// The fault sweep: the runs it plans, how it judges them, and layout-host's side of it (--fail-call, the report).
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "host/app/sweep_probe.h"
#include "tools/sweep/child_runs.h"
#include "tools/sweep/sweep_plan.h"
#include "tools/sweep/sweep_verdict.h"

namespace sweep {
namespace {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string& name)
{
    const fs::path folder = fs::temp_directory_path() / ("sweep-tests-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

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
    const fs::path folder = freshFolder("children");
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
    fs::remove_all(folder);
}

struct HostRun {
    ChildEnd end;
    nlohmann::json report;
};

HostRun runSession(const fs::path& folder, const fs::path& script, const std::string& plugins, const std::string& failCall)
{
    fs::remove_all(folder / "work");
    fs::create_directories(folder / "work");
    fs::copy_file(fs::path(XT_EXAMPLES) / "example-document.json", folder / "work" / "example-document.json");
    std::vector<std::string> arguments{XT_LAYOUT_HOST, "--plugins", plugins, "--script", script.string(),
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

nlohmann::json runHost(const fs::path& folder, const std::string& script, const std::string& failCall)
{
    std::ofstream(folder / "session.txt") << script;
    return runSession(folder, folder / "session.txt", XT_TEST_PLUGINS, failCall).report;
}

TEST(LayoutHostSweepReport, CountsCallsSnapshotsDocumentsAndPlacesTheFailure)
{
    const fs::path folder = freshFolder("host");
    const std::string script = "new pages 2\nsave a.json\necho done\n";
    const auto clean = runHost(folder, script, "");
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
    const auto failed = runHost(folder, script, call + ":1");
    ASSERT_FALSE(failed.is_discarded());
    ASSERT_TRUE(failed.contains("strike"));
    EXPECT_EQ(failed["failCall"]["name"], call);
    fs::remove_all(folder);
}

void expectSoundRuns(const std::string& name, const fs::path& script, const std::vector<const char*>& calls)
{
    const fs::path folder = freshFolder(name);
    const HostRun clean = runSession(folder / "clean", script, XT_PLUGINS, "");
    ASSERT_EQ(clean.end.code, 0);
    ASSERT_FALSE(clean.report.is_discarded());
    for (const char* call : calls) {
        const HostRun run = runSession(folder / call, script, XT_PLUGINS, call);
        const std::optional<nlohmann::json> report =
            run.report.is_discarded() ? std::nullopt : std::optional<nlohmann::json>(run.report);
        const Verdict verdict = judgeRun(run.end, report, clean.report);
        EXPECT_TRUE(verdict.sound) << script.filename().string() << " " << call << ": " << verdict.reason;
    }
    fs::remove_all(folder);
}

// Failures the sweep found in Amplex's sessions, each once a crash or a silent change of the document.
TEST(AmplexSweepFindings, EachFailedCallEndsSoundly)
{
    expectSoundRuns("amplex-menus", fs::path(XT_SWEEP_SESSIONS) / "amplex-menus.txt",
        {
            "GetTextObjectLength:1", // a failed length became a huge string size: the dialog aborted the host
            "XpgOp982:1",            // a failed read of the grid start wrote a start of zero back
            "XdgOp512:4",            // a failed read of the margins wrote margins of zero back
        });
    expectSoundRuns("amplex-document", fs::path(XT_SWEEP_SESSIONS) / "amplex-scale-document.txt",
        {
            "XdnOp519:4",           // the page width unread: margins scaled, pages not
            "DocumentOp5216:1",     // a master page's margins left as they were
            "GetDocumentWindow:12", // no window: the master pages were passed over
            "SetFieldNumber:5",     // a value field not made numeric read the typed value as nothing
        });
    expectSoundRuns("amplex-scale", fs::path(XT_EXAMPLES) / "amplex" / "scale-session.txt",
        {
            "BoxRecordOp3010:1", // an item not scaled while the others were
            "XgfOp672:1",        // a line's end left untransformed
            "TabOp1685:1",       // the Scale page missing: the old settings scaled
            "GetHandleSize:15",  // redo with no readable undo entry crashed
        });
    expectSoundRuns("amplex-palette", fs::path(XT_EXAMPLES) / "amplex" / "palette-session.txt",
        {
            "GetCurrentBox:7", // the palette's button found no selection and scaled the page instead
            "ItemOp224:3",     // redo measured no selection and scaled about the wrong point
        });
    expectSoundRuns("amplex-step", fs::path(XT_SWEEP_SESSIONS) / "amplex-step-and-pages.txt",
        {
            "GetFieldNumber:8", // the repeat count unread: one scale instead of two copies
            "XaqOp2966:1",      // the host's step and repeat refused: no copy, no word
            "GetGroupItem:5",   // a group's members not gathered again after their scale
            "GetBoxBounds:18",  // "From page": an item whose page is unknown was passed over
        });
}

} // namespace
} // namespace sweep
