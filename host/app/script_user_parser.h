// Reads the arguments of the script commands for what a user does in the layout window: `select`,
// `go to`, `layout`, `tool` and `click`.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "host/app/script.h"

namespace host::app {

/// A command, or why its words were refused.
using ParsedCommand = std::variant<CommandAction, std::string>;

/// `select all [page N]`, `select text ITEM FROM TO`, `select page N` or `select ITEM...`.
ParsedCommand parseSelectCommand(std::string_view arguments);
/// `go to page N` or `go to master NAME`.
ParsedCommand parseGoCommand(std::string_view arguments);
/// `layout NAME` or `layout PROJECT > LAYOUT`.
ParsedCommand parseLayoutCommand(std::string_view arguments);
/// `tool NAME`.
ParsedCommand parseToolCommand(std::string_view arguments);
/// `click X Y`, in points.
ParsedCommand parseClickCommand(std::string_view arguments);

/// `mouse down|up [after N] [at X Y]`.
ParsedCommand parseMouseCommand(std::string_view arguments);
/// `key alt|ctrl|shift down|up [after N]`.
ParsedCommand parseKeyCommand(std::string_view arguments);
/// `clock YYYY-MM-DD HH:MM`.
ParsedCommand parseClockCommand(std::string_view arguments);

/// `guide event vertical|horizontal INDEX [spread]`.
ParsedCommand parseGuideCommand(std::string_view arguments);
/// `print [cancel]`.
ParsedCommand parsePrintCommand(std::string_view arguments);

} // namespace host::app
