// Judging an undo-check run from its exit and its report.
#include "tools/sweep/undo_verdict.h"

namespace sweep {

std::vector<std::string> undoFindings(const ChildEnd& end, const std::optional<nlohmann::json>& report)
{
    if (end.timedOut)
        return {"did not end in time (a hang)"};
    if (end.signalled)
        return {"crashed with signal " + std::to_string(end.code)};
    if (end.code == kSanitizerExitCode)
        return {"sanitizer finding (see the run's stderr)"};
    if (end.code != 0)
        return {"the session failed under the undo check (status " + std::to_string(end.code) + "; see its stderr)"};
    if (!report || !report->contains("steps") || !(*report)["steps"].is_array())
        return {"wrote no undo report"};
    std::vector<std::string> findings;
    for (const auto& step : (*report)["steps"]) {
        const std::string where = "line " + std::to_string(step.value("line", 0)) + " (" + step.value("step", std::string()) + ")";
        for (const char* which : {"undo", "redo"}) {
            const std::string verdict = step.value(which, std::string());
            if (verdict != "same")
                findings.push_back(where + ": " + which + " " + verdict);
        }
    }
    return findings;
}

} // namespace sweep
