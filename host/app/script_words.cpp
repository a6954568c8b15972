// Splitting the lines of a session script into words, and reading the numbers among them.
#include "host/app/script_words.h"

#include <charconv>
#include <cmath>

namespace host::app {
namespace {

/// Points on a page lie within the largest page side (below 32768 points) and a pasteboard around it.
constexpr double kLargestPoint = 65536.0;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view nextWord(std::string_view& rest)
{
    rest = trimBlanks(rest);
    size_t end = 0;
    while (end < rest.size() && !isBlank(rest[end]))
        ++end;
    const std::string_view word = rest.substr(0, end);
    rest = trimBlanks(rest.substr(end));
    return word;
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> result;
    std::string_view rest = trimBlanks(text);
    while (!rest.empty())
        result.push_back(nextWord(rest));
    return result;
}

std::optional<std::vector<std::string>> quotedWords(std::string_view text)
{
    std::vector<std::string> result;
    std::string_view rest = trimBlanks(text);
    while (!rest.empty()) {
        if (rest.front() != '"') {
            result.emplace_back(nextWord(rest));
            continue;
        }
        const size_t close = rest.find('"', 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        if (close + 1 < rest.size() && !isBlank(rest[close + 1]))
            return std::nullopt;
        result.emplace_back(rest.substr(1, close - 1));
        rest = trimBlanks(rest.substr(close + 1));
    }
    return result;
}

std::optional<int> wholeNumber(std::string_view word, int lowest, int highest)
{
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<double> pagePoint(std::string_view word)
{
    double value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || !(std::fabs(value) < kLargestPoint))
        return std::nullopt;
    return value;
}

} // namespace host::app
