// Splitting the lines of a session script into words.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host::app {

/// The text without the blanks (spaces, tabs and the other white space a line may hold) around it.
std::string_view trimBlanks(std::string_view text);

/// Takes the first word off `rest`, which then holds what follows, trimmed.
std::string_view nextWord(std::string_view& rest);

/// The words of the text, split at blanks.
std::vector<std::string_view> words(std::string_view text);

/// The words of the text, where a word in double quotes may hold blanks ("Title box"); nullopt when
/// a quote is left open or a closing quote runs into the next word.
std::optional<std::vector<std::string>> quotedWords(std::string_view text);

} // namespace host::app
