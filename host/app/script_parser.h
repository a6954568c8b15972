// Reads the text of a session script into commands, without touching a host.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "host/app/script.h"

namespace host::app {

struct ParseResult {
    std::optional<Script> script; // set only when every line was understood
    std::vector<ScriptError> errors;
};

/// One command a line; blank lines and lines starting with `#` are skipped.
/// Every refused line is reported, so a script is fixed in one pass rather than one error at a time.
ParseResult parseScript(std::string_view text);

} // namespace host::app
