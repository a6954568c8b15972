// Judging one fault-sweep run: a crash, a sanitizer finding, or a failure the user never heard of that changed the document.
#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "tools/sweep/child_end.h"

namespace sweep {

struct Verdict {
    bool sound = true;
    std::string reason; // why the run is a finding; empty when sound
};

/// `report` is what the run wrote with --sweep-report (nullopt when it wrote nothing); `baseline` the
/// report of the clean run of the same script. A run is sound when it ended by itself with status 0 or 1,
/// and the command during which the call failed either told the user (a message box, a beep, an error
/// report, or the script stopping with its reason) or left the documents as they were before it, or as
/// the clean run had them after it.
Verdict judgeRun(const ChildEnd& end, const std::optional<nlohmann::json>& report, const nlohmann::json& baseline);

} // namespace sweep
