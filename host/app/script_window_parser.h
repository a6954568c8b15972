// Reading the words of the window commands: `idle` and the chooser answers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "host/app/script_window_commands.h"

namespace host::app {

/// `idle [N]`, N from 1 to 1000.
std::variant<IdleCommand, std::string> parseIdleCommand(std::string_view arguments);

/// What follows `answer` when its first word is file, folder, colour (or color); nothing for another word.
std::optional<std::variant<ChooserAnswerCommand, std::string>> parseChooserAnswer(std::string_view arguments);

} // namespace host::app
