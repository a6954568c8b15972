// Number texts, marker texts and the recognition of a marker already in the text.
#include "dotwise/engine/markers.h"

#include <array>
#include <cctype>

namespace dotwise {
namespace {

struct RomanLetters {
    char one;
    char five;
    char ten;
};

/// Thousands, hundreds, tens and units.
constexpr std::array<RomanLetters, 4> kRomanPlaces = {{{'M', 0, 0}, {'C', 'D', 'M'}, {'X', 'L', 'C'}, {'I', 'V', 'X'}}};
constexpr std::array<int32_t, 4> kRomanPlaceValues = {1000, 100, 10, 1};
constexpr int32_t kAlphabetLength = 26;
/// The longest number text the recognition accepts: a decimal of 9 digits or a roman numeral.
constexpr size_t kLongestNumber = 15;

void RomanDigit(int32_t digit, const RomanLetters& letters, std::string& out)
{
    if (digit == 9) {
        out += letters.one;
        out += letters.ten;
        return;
    }
    if (digit == 4) {
        out += letters.one;
        out += letters.five;
        return;
    }
    if (digit >= 5) {
        out += letters.five;
        digit -= 5;
    }
    out.append(static_cast<size_t>(digit), letters.one);
}

bool isGap(char16_t c)
{
    return c == u' ' || c == 160 || c == kTabCharacter;
}

bool allOf(std::u16string_view text, int (*test)(int))
{
    for (const char16_t c : text) {
        if (c > 127 || !test(static_cast<int>(c)))
            return false;
    }
    return !text.empty();
}

std::string narrow(std::u16string_view text)
{
    return std::string(text.begin(), text.end());
}

int32_t romanValue(char letter)
{
    switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'I': return 1;
    case 'V': return 5;
    case 'X': return 10;
    case 'L': return 50;
    case 'C': return 100;
    case 'D': return 500;
    case 'M': return 1000;
    default: return 0;
    }
}

/// A roman numeral exactly as FormatRoman writes one, in one case.
bool isRoman(std::u16string_view text)
{
    if (!allOf(text, &isalpha))
        return false;
    const std::string word = narrow(text);
    int32_t value = 0;
    for (size_t i = 0; i < word.size(); ++i) {
        const int32_t digit = romanValue(word[i]);
        if (digit == 0)
            return false;
        const int32_t next = i + 1 < word.size() ? romanValue(word[i + 1]) : 0;
        value += next > digit ? -digit : digit;
    }
    const bool lower = std::islower(static_cast<unsigned char>(word[0])) != 0;
    return FormatRoman(value, lower) == word;
}

/// A number text of one of the eight styles.
bool isNumberText(std::u16string_view text)
{
    if (text.empty() || text.size() > kLongestNumber)
        return false;
    if (allOf(text, &isdigit))
        return true;
    if (text.size() == 1 && allOf(text, &isalpha))
        return true;
    return isRoman(text);
}

} // namespace

std::string FormatRoman(int32_t value, bool lower)
{
    std::string out;
    if (value <= 0 || value > kLargestRoman)
        return out;
    for (size_t place = 0; place < kRomanPlaces.size(); ++place) {
        RomanDigit(value / kRomanPlaceValues[place], kRomanPlaces[place], out);
        value %= kRomanPlaceValues[place];
    }
    if (lower) {
        for (char& c : out)
            c = static_cast<char>(c + ('a' - 'A'));
    }
    return out;
}

std::string formatLetter(int32_t counter, bool lower)
{
    const int32_t index = ((counter - 1) % kAlphabetLength + kAlphabetLength) % kAlphabetLength;
    return std::string(1, static_cast<char>((lower ? 'a' : 'A') + index));
}

std::string numberText(int16_t type, int32_t counter)
{
    switch (type) {
    case NumberUpperLetterPoint:
    case NumberUpperLetterParen:
        return formatLetter(counter, false);
    case NumberLowerLetterPoint:
    case NumberLowerLetterParen:
        return formatLetter(counter, true);
    case NumberUpperRoman:
        return FormatRoman(counter, false);
    case NumberLowerRoman:
        return FormatRoman(counter, true);
    default:
        return std::to_string(counter);
    }
}

char numberSuffix(int16_t type)
{
    switch (type) {
    case NumberDecimalParen:
    case NumberUpperLetterParen:
    case NumberLowerLetterParen:
        return ')';
    default:
        return '.';
    }
}

namespace {

std::u16string wrapMarker(const ListSettings& settings, std::u16string body)
{
    std::u16string marker;
    if (settings.gapKind == GapTab)
        marker += kTabCharacter;
    marker += body;
    marker += static_cast<char16_t>(gapCharacter(settings.gapKind));
    if (settings.hangIndents)
        marker += kHangMarkCharacter;
    return marker;
}

} // namespace

std::u16string bulletMarker(const ListSettings& settings)
{
    return wrapMarker(settings, std::u16string(1, static_cast<char16_t>(settings.bulletChar)));
}

std::u16string numberMarker(const ListSettings& settings, int16_t type, int32_t counter)
{
    const std::string text = numberText(type, counter) + numberSuffix(type);
    return wrapMarker(settings, std::u16string(text.begin(), text.end()));
}

int32_t markerLength(std::u16string_view text, uint16_t bullet)
{
    size_t at = 0;
    if (at < text.size() && text[at] == kTabCharacter)
        ++at;
    if (at >= text.size())
        return 0;
    if (text[at] == bullet) {
        ++at;
    } else {
        const size_t suffix = text.find_first_of(u".)", at);
        if (suffix == std::u16string_view::npos || !isNumberText(text.substr(at, suffix - at)))
            return 0;
        at = suffix + 1;
    }
    if (at >= text.size() || !isGap(text[at]))
        return 0;
    ++at;
    if (at < text.size() && text[at] == kHangMarkCharacter)
        ++at;
    return static_cast<int32_t>(at);
}

} // namespace dotwise
