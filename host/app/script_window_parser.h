// Reading the words of the window commands: `idle`, the chooser answers, drawing a window and sizing a palette.
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

/// What follows `draw window`: a title (in double quotes when it holds blanks) and the file, the rest of the line.
std::variant<DrawWindowCommand, std::string> parseDrawWindowCommand(std::string_view arguments);

/// What follows `palette size`: a width and a height in pixels, each from 1 to 10000.
std::variant<PaletteSizeCommand, std::string> parsePaletteSizeCommand(std::string_view arguments);

} // namespace host::app
