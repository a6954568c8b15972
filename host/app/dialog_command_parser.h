// Reads the arguments of the `dialog` and `palette` script commands.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "host/app/script.h"

namespace host::app {

/// `set [main] ITEM TEXT` (TEXT in double quotes, or the rest of the line), `check [main] ITEM on|off`,
/// `choose [main] ITEM ROW`, `click [main] ITEM`, `tab N`, `ok`, `cancel`; or why the words are refused.
std::variant<DialogCommand, std::string> parseDialogCommand(std::string_view arguments);

/// The item actions of `dialog` without `main`: `set`, `check`, `choose`, `click`.
std::variant<PaletteCommand, std::string> parsePaletteCommand(std::string_view arguments);

} // namespace host::app
