// The script commands for input over time: the mouse button, the modifier keys and the clock.
#include <cstdint>

#include "host/app/script_user_parser.h"
#include "host/app/script_words.h"

namespace host::app {
namespace {

/// Polls are counted in whole numbers; a million is far more than any plug-in's loop needs to see.
constexpr int kMostPolls = 1000000;

std::optional<bool> downOrUp(std::string_view word)
{
    if (word == "down")
        return true;
    if (word == "up")
        return false;
    return std::nullopt;
}

/// Reads `after N` and `at X Y` (when `at` is allowed) from the words from `from` on.
bool readTiming(const std::vector<std::string_view>& tokens, size_t from, int& after, std::optional<double>* x,
    std::optional<double>* y)
{
    for (size_t i = from; i < tokens.size();) {
        const std::string_view option = tokens[i++];
        if (option == "after" && i < tokens.size()) {
            const auto polls = wholeNumber(tokens[i++], 0, kMostPolls);
            if (!polls)
                return false;
            after = *polls;
            continue;
        }
        if (option == "at" && x && i + 1 < tokens.size() && !*x) {
            *x = pagePoint(tokens[i++]);
            *y = pagePoint(tokens[i++]);
            if (!*x || !*y)
                return false;
            continue;
        }
        return false;
    }
    return true;
}

} // namespace

ParsedCommand parseMouseCommand(std::string_view arguments)
{
    const auto tokens = words(arguments);
    MouseCommand command;
    const auto down = tokens.empty() ? std::nullopt : downOrUp(tokens[0]);
    if (!down || !readTiming(tokens, 1, command.after, &command.x, &command.y))
        return std::string("mouse: expected \"mouse down|up [after N] [at X Y]\", N polls from 0 to 1000000, "
                           "X and Y points on the page");
    command.down = *down;
    return command;
}

ParsedCommand parseKeyCommand(std::string_view arguments)
{
    const auto tokens = words(arguments);
    static constexpr std::pair<std::string_view, ModifierKey> kKeys[] = {
        {"alt", ModifierKey::Alt}, {"ctrl", ModifierKey::Ctrl}, {"shift", ModifierKey::Shift}};
    KeyCommand command;
    bool known = false;
    for (const auto& [name, key] : kKeys) {
        if (!tokens.empty() && tokens[0] == name) {
            command.key = key;
            known = true;
        }
    }
    const auto down = tokens.size() < 2 ? std::nullopt : downOrUp(tokens[1]);
    if (!known || !down || !readTiming(tokens, 2, command.after, nullptr, nullptr))
        return std::string("key: expected \"key alt|ctrl|shift down|up [after N]\", N polls from 0 to 1000000");
    command.down = *down;
    return command;
}

ParsedCommand parseClockCommand(std::string_view arguments)
{
    const auto tokens = words(arguments);
    const std::string usage = "clock: expected a date and a time like \"clock 2026-12-11 09:30\"";
    if (tokens.size() != 2 || tokens[0].size() != 10 || tokens[1].size() != 5 || tokens[0][4] != '-'
        || tokens[0][7] != '-' || tokens[1][2] != ':')
        return usage;
    const auto year = wholeNumber(tokens[0].substr(0, 4), 1601, 9999);
    const auto month = wholeNumber(tokens[0].substr(5, 2), 1, 12);
    const auto day = wholeNumber(tokens[0].substr(8, 2), 1, 31);
    const auto hour = wholeNumber(tokens[1].substr(0, 2), 0, 23);
    const auto minute = wholeNumber(tokens[1].substr(3, 2), 0, 59);
    if (!year || !month || !day || !hour || !minute)
        return usage;
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
    if (*day > kDays[*month - 1] || (*month == 2 && *day == 29 && !leap))
        return "clock: " + std::string(tokens[0]) + " is no day of the calendar";
    return ClockCommand{*year, *month, *day, *hour, *minute};
}

ParsedCommand parseGuideCommand(std::string_view arguments)
{
    const auto tokens = words(arguments);
    const std::string usage = "guide: expected \"guide event vertical|horizontal INDEX [spread]\", INDEX from 0";
    if (tokens.size() < 3 || tokens.size() > 4 || tokens[0] != "event" || (tokens.size() == 4 && tokens[3] != "spread"))
        return usage;
    if (tokens[1] != "vertical" && tokens[1] != "horizontal")
        return usage;
    const auto index = wholeNumber(tokens[2], 0, INT16_MAX);
    if (!index)
        return usage;
    return GuideEventCommand{tokens[1] == "horizontal", *index, tokens.size() == 4};
}

ParsedCommand parsePrintCommand(std::string_view arguments)
{
    if (arguments.empty())
        return PrintCommand{false};
    if (arguments == "cancel")
        return PrintCommand{true};
    return std::string("print: expected \"print\" or \"print cancel\"");
}

} // namespace host::app
