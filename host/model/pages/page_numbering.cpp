// Writes page numbers in a section's format and reads them back.
#include "host/model/pages/page_numbering.h"

#include <array>
#include <cctype>
#include <utility>

namespace host::model {
namespace {

constexpr int32_t kLargestRoman = 3999;
constexpr int32_t kLargestNumber = 1'000'000;

constexpr std::array<std::pair<int32_t, const char*>, 13> kRoman{{{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"},
    {100, "C"}, {90, "XC"}, {50, "L"}, {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}}};

std::string roman(int32_t number)
{
    std::string out;
    for (const auto& [value, symbols] : kRoman) {
        for (; number >= value; number -= value)
            out += symbols;
    }
    return out;
}

/// A, B .. Z, then AA, BB .. ZZ, then AAA: the letter repeats once more every 26 pages.
std::string letters(int32_t number)
{
    const int32_t index = number - 1;
    return std::string(static_cast<size_t>(index / 26 + 1), static_cast<char>('A' + index % 26));
}

std::string lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string raised(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::optional<int32_t> parseArabic(std::string_view text)
{
    if (text.empty() || text.size() > 7)
        return std::nullopt;
    int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= kLargestNumber ? std::optional(value) : std::nullopt;
}

bool caseMatches(std::string_view text, bool upper)
{
    for (char c : text) {
        if (upper ? std::islower(static_cast<unsigned char>(c)) : std::isupper(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

} // namespace

std::optional<NumberFormat> numberFormatOf(int32_t code)
{
    if (code < static_cast<int32_t>(NumberFormat::Arabic) || code > static_cast<int32_t>(NumberFormat::LowerLetters))
        return std::nullopt;
    return static_cast<NumberFormat>(code);
}

std::string formatPageNumber(int32_t number, NumberFormat format)
{
    if (number < 1)
        return std::to_string(number);
    switch (format) {
    case NumberFormat::UpperRoman:
        return number <= kLargestRoman ? roman(number) : std::to_string(number);
    case NumberFormat::LowerRoman:
        return number <= kLargestRoman ? lowered(roman(number)) : std::to_string(number);
    case NumberFormat::UpperLetters:
        return letters(number);
    case NumberFormat::LowerLetters:
        return lowered(letters(number));
    case NumberFormat::Arabic:
        break;
    }
    return std::to_string(number);
}

std::optional<int32_t> parsePageNumber(std::string_view text, NumberFormat format)
{
    if (format == NumberFormat::Arabic)
        return parseArabic(text);
    if (text.empty() || text.size() > 64)
        return std::nullopt;
    // Numbers past the roman range were written in digits.
    if (const auto digits = parseArabic(text)) {
        const bool romanFormat = format == NumberFormat::UpperRoman || format == NumberFormat::LowerRoman;
        return romanFormat && *digits > kLargestRoman ? digits : std::nullopt;
    }
    const bool upper = format == NumberFormat::UpperRoman || format == NumberFormat::UpperLetters;
    if (!caseMatches(text, upper))
        return std::nullopt;
    const std::string key = raised(text);
    if (format == NumberFormat::UpperLetters || format == NumberFormat::LowerLetters) {
        for (char c : key) {
            if (c != key[0] || c < 'A' || c > 'Z')
                return std::nullopt;
        }
        return static_cast<int32_t>((key.size() - 1) * 26 + static_cast<size_t>(key[0] - 'A') + 1);
    }
    // Read greedily, then write the number back: only the one canonical spelling names it.
    int32_t value = 0;
    std::string_view rest = key;
    for (const auto& [amount, symbol] : kRoman) {
        const std::string_view s(symbol);
        while (rest.starts_with(s) && value <= kLargestRoman) {
            value += amount;
            rest.remove_prefix(s.size());
        }
    }
    if (!rest.empty() || value < 1 || value > kLargestRoman || roman(value) != key)
        return std::nullopt;
    return value;
}

} // namespace host::model
