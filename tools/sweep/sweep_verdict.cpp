// Decides whether a fault-sweep run is sound.
#include "tools/sweep/sweep_verdict.h"

namespace sweep {
namespace {

Verdict finding(std::string reason)
{
    return {false, std::move(reason)};
}

std::optional<std::string> baselineDocumentsAfter(const nlohmann::json& baseline, int line)
{
    if (!baseline.contains("snapshots"))
        return std::nullopt;
    for (const auto& snapshot : baseline["snapshots"]) {
        if (snapshot.value("line", 0) == line)
            return snapshot.value("documents", std::string());
    }
    return std::nullopt;
}

Verdict judgeStrike(const nlohmann::json& strike, const nlohmann::json& baseline)
{
    const int line = strike.value("line", 0);
    if (line <= 0)
        return {}; // while loading or quitting: no document is at stake, the end status says the rest
    if (strike.value("commandFailed", false) || strike.value("messageShown", false))
        return {};
    const std::string after = strike.value("after", std::string());
    if (after == strike.value("before", std::string()))
        return {};
    if (after == baselineDocumentsAfter(baseline, line))
        return {};
    return finding("line " + std::to_string(line)
        + ": the call failed silently and the document differs both from before the command and from the clean run");
}

} // namespace

Verdict judgeRun(const ChildEnd& end, const std::optional<nlohmann::json>& report, const nlohmann::json& baseline)
{
    if (end.timedOut)
        return finding("did not end in time (a hang)");
    if (end.signalled)
        return finding("crashed with signal " + std::to_string(end.code));
    if (end.code == kSanitizerExitCode)
        return finding("sanitizer finding (see the run's stderr)");
    if (end.code != 0 && end.code != 1)
        return finding("ended with status " + std::to_string(end.code));
    if (!report)
        return finding("wrote no sweep report");
    if (!report->contains("strike"))
        return {}; // the planned call never came: this run took another path
    return judgeStrike((*report)["strike"], baseline);
}

} // namespace sweep
