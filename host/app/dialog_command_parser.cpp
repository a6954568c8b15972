// The `dialog` and `palette` script commands: a verb, an item number and what the action needs.
#include "host/app/dialog_command_parser.h"

#include <charconv>

#include "host/app/script_words.h"

namespace host::app {
namespace {

using Verb = DialogCommand::Verb;
using Parsed = std::variant<DialogCommand, std::string>;

struct VerbSyntax {
    std::string_view word;
    Verb verb;
    bool takesItem;
    const char* usage;
};

constexpr VerbSyntax kVerbs[] = {
    {"set", Verb::Set, true, "set [main] ITEM \"TEXT\""},
    {"check", Verb::Check, true, "check [main] ITEM on|off"},
    {"choose", Verb::Choose, true, "choose [main] ITEM ROW [column COLUMN]"},
    {"click", Verb::Click, true, "click [main] ITEM"},
    {"tab", Verb::Tab, false, "tab INDEX"},
    {"ok", Verb::Ok, false, "ok"},
    {"cancel", Verb::Cancel, false, "cancel"},
};

std::optional<int> number(std::string_view word)
{
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || word.empty())
        return std::nullopt;
    return value;
}

/// A text in double quotes is taken without them; any other text as it stands.
std::optional<std::string> quotedText(std::string_view text)
{
    if (text.empty() || text.front() != '"')
        return text.empty() ? std::nullopt : std::optional<std::string>(text);
    if (text.size() < 2 || text.back() != '"')
        return std::nullopt;
    return std::string(text.substr(1, text.size() - 2));
}

/// What follows the item: the text, the state, the row; false when it does not fit the verb.
bool readRest(DialogCommand& command, std::string_view rest)
{
    switch (command.verb) {
    case Verb::Set: {
        auto text = quotedText(rest);
        command.text = text.value_or("");
        return text.has_value();
    }
    case Verb::Check:
        command.value = rest == "on" ? 1 : 0;
        return rest == "on" || rest == "off";
    case Verb::Choose: {
        const auto row = number(nextWord(rest));
        command.value = row.value_or(0);
        if (!row || *row < 0)
            return false;
        if (rest.empty())
            return true;
        if (nextWord(rest) != "column")
            return false;
        const auto column = number(nextWord(rest));
        command.column = column.value_or(-1);
        return column && *column >= 0 && rest.empty();
    }
    default:
        return rest.empty();
    }
}

Parsed refuse(const VerbSyntax& syntax, const char* command)
{
    return std::string(command) + ": expected \"" + command + " " + syntax.usage + "\"";
}

Parsed parseVerb(const VerbSyntax& syntax, std::string_view rest, const char* command)
{
    DialogCommand parsed;
    parsed.verb = syntax.verb;
    if (syntax.verb == Verb::Tab) {
        const auto index = number(rest);
        if (!index || *index < 0)
            return refuse(syntax, command);
        parsed.value = *index;
        return parsed;
    }
    if (!syntax.takesItem)
        return rest.empty() ? Parsed(parsed) : refuse(syntax, command);
    std::string_view word = nextWord(rest);
    if (word == "main") {
        parsed.main = true;
        word = nextWord(rest);
    }
    const auto item = number(word);
    if (!item || !readRest(parsed, rest))
        return refuse(syntax, command);
    parsed.item = *item;
    return parsed;
}

Parsed parse(std::string_view arguments, const char* command)
{
    std::string_view rest = arguments;
    const std::string_view verb = nextWord(rest);
    for (const auto& syntax : kVerbs) {
        if (syntax.word == verb)
            return parseVerb(syntax, rest, command);
    }
    return std::string(command) + ": unknown action \"" + std::string(verb)
        + "\" (expected set, check, choose, click, tab, ok or cancel)";
}

} // namespace

std::variant<DialogCommand, std::string> parseDialogCommand(std::string_view arguments)
{
    return parse(arguments, "dialog");
}

std::variant<PaletteCommand, std::string> parsePaletteCommand(std::string_view arguments)
{
    auto parsed = parse(arguments, "palette");
    if (auto* why = std::get_if<std::string>(&parsed))
        return *why;
    const DialogCommand& command = std::get<DialogCommand>(parsed);
    const bool itemAction = command.verb == Verb::Set || command.verb == Verb::Check || command.verb == Verb::Choose
        || command.verb == Verb::Click;
    if (!itemAction || command.main)
        return std::string("palette: only set, check, choose and click act on a palette's items");
    return PaletteCommand{command};
}

} // namespace host::app
