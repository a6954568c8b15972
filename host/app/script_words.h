// Splitting the lines of a session script into words.
#pragma once

#include <string_view>
#include <vector>

namespace host::app {

/// The text without the blanks (spaces, tabs and the other white space a line may hold) around it.
std::string_view trimBlanks(std::string_view text);

/// Takes the first word off `rest`, which then holds what follows, trimmed.
std::string_view nextWord(std::string_view& rest);

/// The words of the text, split at blanks.
std::vector<std::string_view> words(std::string_view text);

} // namespace host::app
