// Splitting the lines of a session script into words, and reading the numbers among them.
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

/// The word as a whole number from `lowest` to `highest`, with nothing before or after it.
std::optional<int> wholeNumber(std::string_view word, int lowest, int highest);

/// The word as a point on a page or the pasteboard around it, in points: below 65536 either way.
std::optional<double> pagePoint(std::string_view word);

} // namespace host::app
