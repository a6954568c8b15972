// What the undo check makes of one session's run: each step whose Undo or Redo did not give back the
// documents exactly, or the run itself failing under the check.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/sweep/child_end.h"

namespace sweep {

/// "line 14 (Undo Amplex): undo differs at [0].layouts[0].items[2].shadow"; empty when every step came back.
std::vector<std::string> undoFindings(const ChildEnd& end, const std::optional<nlohmann::json>& report);

} // namespace sweep
