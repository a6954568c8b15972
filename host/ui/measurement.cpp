// Reading and writing measurements in points, inches, millimetres, centimetres, picas and percent.
#include "host/ui/measurement.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "xtapi/dialogs.h"

namespace host::ui {
namespace {

enum class UnitFamily { Length, Percent, Plain, Whole, Degrees };

struct UnitEntry {
    int32_t unit;
    UnitFamily family;
};

// 0x66 is the real-length measure of the crop-mark scale: points, like the others. A text field read as a
// number reads a plain number.
constexpr std::array<UnitEntry, 12> kUnits = {{
    {xt::UnitLength, UnitFamily::Length},
    {xt::UnitPlainNumber, UnitFamily::Plain},
    {xt::UnitText, UnitFamily::Plain},
    {xt::UnitWholeNumber, UnitFamily::Whole},
    {xt::UnitDegrees, UnitFamily::Degrees},
    {xt::UnitPercent, UnitFamily::Percent},
    {0x66, UnitFamily::Length},
    {xt::UnitPoints, UnitFamily::Length},
    {xt::UnitTextSize, UnitFamily::Length},
    {xt::UnitLeading, UnitFamily::Length},
    {xt::UnitHorizontal, UnitFamily::Length},
    {xt::UnitVertical, UnitFamily::Length},
}};

struct Suffix {
    std::string_view text;
    double points; // points per unit
};

constexpr std::array<Suffix, 6> kLengthSuffixes = {{
    {"pt", 1.0},
    {"in", 72.0},
    {"\"", 72.0},
    {"mm", 72.0 / 25.4},
    {"cm", 72.0 / 2.54},
    {"p", 12.0},
}};

/// The largest magnitude a Fixed holds, in its own units.
constexpr double kFixedLimit = 32768.0;

std::optional<UnitFamily> familyOf(int32_t unit)
{
    for (const auto& entry : kUnits) {
        if (entry.unit == unit)
            return entry.family;
    }
    return std::nullopt;
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

/// Reads a leading decimal number; `rest` keeps what follows it.
std::optional<double> leadingNumber(std::string_view text, std::string_view& rest)
{
    const bool plus = !text.empty() && text.front() == '+';
    const char* begin = text.data() + (plus ? 1 : 0);
    const char* end = text.data() + text.size();
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (error != std::errc() || (plus && begin != stop && *begin == '-'))
        return std::nullopt;
    rest = trim(std::string_view(stop, static_cast<size_t>(end - stop)));
    return value;
}

std::optional<xt::Fixed> toFixed(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= kFixedLimit)
        return std::nullopt;
    return static_cast<xt::Fixed>(std::lround(value * xt::kFixedOne));
}

std::optional<double> lengthInPoints(double number, std::string_view suffix)
{
    if (suffix.empty())
        return number;
    // "2p6": two picas and six points.
    if (suffix.front() == 'p' && suffix != "pt" && suffix.size() > 1) {
        std::string_view rest;
        const auto points = leadingNumber(suffix.substr(1), rest);
        if (!points || !rest.empty() || *points < 0 || number < 0)
            return std::nullopt;
        return number * 12.0 + *points;
    }
    for (const auto& entry : kLengthSuffixes) {
        if (entry.text == suffix)
            return number * entry.points;
    }
    return std::nullopt;
}

/// The degree sign as a user types it: UTF-8, the 8-bit Windows character, or "deg".
bool isDegreeSign(std::string_view suffix)
{
    return suffix.empty() || suffix == "\xC2\xB0" || suffix == "\xB0" || suffix == "deg";
}

std::optional<xt::Fixed> wholeNumber(double number, std::string_view suffix)
{
    if (!suffix.empty() || number != std::floor(number))
        return std::nullopt;
    return toFixed(number);
}

std::string trimmedNumber(double value, int decimals)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

} // namespace

std::string unitWords(int32_t unit)
{
    switch (familyOf(unit).value_or(UnitFamily::Plain)) {
    case UnitFamily::Length:
        return "a measurement, such as 12 pt, 1.5 in or 10 mm";
    case UnitFamily::Percent:
        return "a percentage, such as 75%";
    case UnitFamily::Whole:
        return "a whole number";
    case UnitFamily::Degrees:
        return "an angle in degrees, such as 45";
    case UnitFamily::Plain:
        break;
    }
    return "a number";
}

bool isKnownUnit(int32_t unit)
{
    return familyOf(unit).has_value();
}

std::optional<xt::Fixed> parseMeasurement(std::string_view text, int32_t unit)
{
    const auto family = familyOf(unit);
    std::string_view suffix;
    const auto number = family ? leadingNumber(trim(text), suffix) : std::nullopt;
    if (!number)
        return std::nullopt;
    switch (*family) {
    case UnitFamily::Plain:
        return suffix.empty() ? toFixed(*number) : std::nullopt;
    case UnitFamily::Percent:
        return suffix.empty() || suffix == "%" ? toFixed(*number / 100.0) : std::nullopt;
    case UnitFamily::Whole:
        return wholeNumber(*number, suffix);
    case UnitFamily::Degrees:
        return isDegreeSign(suffix) ? toFixed(*number) : std::nullopt;
    case UnitFamily::Length:
        break;
    }
    const auto points = lengthInPoints(*number, suffix);
    return points ? toFixed(*points) : std::nullopt;
}

std::optional<std::string> formatMeasurement(xt::Fixed value, int32_t unit)
{
    const auto family = familyOf(unit);
    if (!family)
        return std::nullopt;
    const double number = static_cast<double>(value) / xt::kFixedOne;
    switch (*family) {
    case UnitFamily::Plain:
    case UnitFamily::Degrees:
        return trimmedNumber(number, 3);
    case UnitFamily::Whole:
        return trimmedNumber(std::round(number), 0);
    case UnitFamily::Percent:
        return trimmedNumber(number * 100.0, 2) + "%";
    case UnitFamily::Length:
        break;
    }
    return trimmedNumber(number, 3) + " pt";
}

} // namespace host::ui
