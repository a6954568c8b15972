// Reads the text of a session script into commands, one command a line.
#include "host/model/limits.h"
#include "host/app/script_parser.h"

#include "host/app/dialog_command_parser.h"
#include "host/app/script_window_parser.h"
#include "host/app/script_user_parser.h"
#include "host/app/script_words.h"

#include <charconv>
#include <cmath>

namespace host::app {
namespace {

/// A bound on one command, so that a slip of the keyboard cannot ask the model for millions of pages.
constexpr int kMaxPages = static_cast<int>(model::kMostLayoutPages);
/// Page sides become 16.16 fixed values of points: at least one step of 1/65536, and below 32768.
constexpr double kFixedSteps = 65536.0;
constexpr double kLargestFixed = 2147483647.0;

/// What one line became: a command, or why it was refused.
struct LineResult {
    std::optional<CommandAction> action;
    std::string error;
};

LineResult refuse(std::string why)
{
    return {std::nullopt, std::move(why)};
}


std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::optional<int> parseCount(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kMaxPages)
        return std::nullopt;
    return value;
}

std::optional<double> parseLength(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const double steps = std::round(value * kFixedSteps);
    if (!(steps >= 1 && steps <= kLargestFixed)) // also refuses NaN
        return std::nullopt;
    return value;
}

/// "612 x 792", "612x792" and "612 x792" all name the same size.
bool parseSize(std::string_view text, NewDocumentCommand& command)
{
    const size_t cross = text.find('x');
    if (cross == std::string_view::npos)
        return false;
    command.width = parseLength(trimBlanks(text.substr(0, cross)));
    command.height = parseLength(trimBlanks(text.substr(cross + 1)));
    return command.width && command.height;
}

bool isNewOption(std::string_view word)
{
    return word == "pages" || word == "size";
}

LineResult parseNew(std::string_view arguments)
{
    NewDocumentCommand command;
    const auto tokens = words(arguments);
    for (size_t i = 0; i < tokens.size();) {
        const std::string_view option = tokens[i++];
        if (option == "pages") {
            if (command.pages)
                return refuse("new: \"pages\" is given twice");
            command.pages = i < tokens.size() ? parseCount(tokens[i++]) : std::nullopt;
            if (!command.pages)
                return refuse("new: \"pages\" needs a whole number from 1 to 2000");
            continue;
        }
        if (option == "size") {
            if (command.width)
                return refuse("new: \"size\" is given twice");
            std::string size;
            while (i < tokens.size() && !isNewOption(tokens[i]))
                size += tokens[i++];
            if (!parseSize(size, command))
                return refuse("new: \"size\" needs a width and a height in points (above 0, below 32768), "
                              "like \"size 612 x 792\"");
            continue;
        }
        return refuse("new: unknown option " + quoted(option) + " (expected \"pages N\" or \"size W x H\")");
    }
    return {command, {}};
}

LineResult parseOpen(std::string_view arguments)
{
    if (arguments.empty())
        return refuse("open: a file name is missing");
    return {OpenDocumentCommand{std::string(arguments)}, {}};
}

LineResult parseSave(std::string_view arguments)
{
    if (arguments.empty())
        return refuse("save: a file name is missing");
    return {SaveDocumentCommand{std::string(arguments)}, {}};
}

/// The title, then the item's labels through its submenus, joined as the menu bar shows them.
LineResult parseMenu(std::string_view arguments)
{
    constexpr const char* kExpected =
        "menu: expected a menu title and an item, like \"VORNE > Cellora...\" or \"VORNE > Rulora > Grids...\"";
    const size_t arrow = arguments.find('>');
    if (arrow == std::string_view::npos)
        return refuse(kExpected);
    const std::string_view title = trimBlanks(arguments.substr(0, arrow));
    std::string item;
    for (std::string_view rest = arguments.substr(arrow + 1);;) {
        const size_t next = rest.find('>');
        const std::string_view label = trimBlanks(rest.substr(0, next));
        if (label.empty())
            return refuse(kExpected);
        item += (item.empty() ? "" : " > ") + std::string(label);
        if (next == std::string_view::npos)
            break;
        rest.remove_prefix(next + 1);
    }
    if (title.empty())
        return refuse(kExpected);
    return {ChooseMenuCommand{std::string(title), std::move(item)}, {}};
}

LineResult parseAnswer(std::string_view arguments)
{
    if (auto chooser = parseChooserAnswer(arguments)) {
        if (auto* why = std::get_if<std::string>(&*chooser))
            return refuse(std::move(*why));
        return {std::get<ChooserAnswerCommand>(*chooser), {}};
    }
    static constexpr Answer kAnswers[] = {Answer::Ok, Answer::Cancel, Answer::Yes, Answer::No};
    for (Answer answer : kAnswers) {
        if (arguments == answerLabel(answer))
            return {AnswerCommand{answer}, {}};
    }
    return refuse("answer: expected OK, Cancel, Yes or No, not " + quoted(arguments));
}

LineResult parseListMenus(std::string_view arguments)
{
    if (!arguments.empty())
        return refuse("list-menus: takes no argument");
    return {ListMenusCommand{}, {}};
}

LineResult parseExpectMessage(std::string_view arguments)
{
    if (arguments.empty())
        return refuse("expect-message: the expected text is missing");
    return {ExpectMessageCommand{std::string(arguments)}, {}};
}

LineResult parseEcho(std::string_view arguments)
{
    return {EchoCommand{std::string(arguments)}, {}};
}

LineResult parseDialog(std::string_view arguments)
{
    auto parsed = parseDialogCommand(arguments);
    if (auto* why = std::get_if<std::string>(&parsed))
        return refuse(*why);
    return {std::get<DialogCommand>(parsed), {}};
}

LineResult parsePalette(std::string_view arguments)
{
    std::string_view rest = arguments;
    if (nextWord(rest) == "size") {
        auto sized = parsePaletteSizeCommand(rest);
        if (auto* why = std::get_if<std::string>(&sized))
            return refuse(*why);
        return {std::get<PaletteSizeCommand>(sized), {}};
    }
    auto parsed = parsePaletteCommand(arguments);
    if (auto* why = std::get_if<std::string>(&parsed))
        return refuse(*why);
    return {std::get<PaletteCommand>(parsed), {}};
}

/// `draw PAGE FILE` and `draw window TITLE FILE`: the file name is the rest of the line, so it may hold spaces.
LineResult parseDraw(std::string_view arguments)
{
    std::string_view file = arguments;
    const std::string_view page = nextWord(file);
    if (page == "window") {
        auto parsed = parseDrawWindowCommand(file);
        if (auto* why = std::get_if<std::string>(&parsed))
            return refuse(*why);
        return {std::get<DrawWindowCommand>(parsed), {}};
    }
    if (page.empty() || file.empty())
        return refuse("draw: expected a page number and a file name, like \"draw 1 page-1.svg\"");
    const std::optional<int> number = parseCount(page);
    if (!number)
        return refuse("draw: the page must be a whole number from 1 to 2000, not " + quoted(page));
    return {DrawPageCommand{*number, std::string(file)}, {}};
}

/// The commands whose words another file reads.
template <ParsedCommand (*parse)(std::string_view)>
LineResult parseWith(std::string_view arguments)
{
    ParsedCommand parsed = parse(arguments);
    if (auto* why = std::get_if<std::string>(&parsed))
        return refuse(std::move(*why));
    return {std::move(std::get<CommandAction>(parsed)), {}};
}

LineResult parseIdle(std::string_view arguments)
{
    auto parsed = parseIdleCommand(arguments);
    if (auto* why = std::get_if<std::string>(&parsed))
        return refuse(std::move(*why));
    return {std::get<IdleCommand>(parsed), {}};
}

LineResult parseUndo(std::string_view arguments)
{
    if (!arguments.empty())
        return refuse("undo: takes no argument");
    return {UndoCommand{false}, {}};
}

LineResult parseRedo(std::string_view arguments)
{
    if (!arguments.empty())
        return refuse("redo: takes no argument");
    return {UndoCommand{true}, {}};
}

struct CommandSyntax {
    std::string_view name;
    LineResult (*parse)(std::string_view arguments);
};

constexpr CommandSyntax kCommands[] = {
    {"new", parseNew},
    {"open", parseOpen},
    {"save", parseSave},
    {"menu", parseMenu},
    {"answer", parseAnswer},
    {"list-menus", parseListMenus},
    {"expect-message", parseExpectMessage},
    {"echo", parseEcho},
    {"dialog", parseDialog},
    {"palette", parsePalette},
    {"draw", parseDraw},
    {"select", parseWith<parseSelectCommand>},
    {"go", parseWith<parseGoCommand>},
    {"layout", parseWith<parseLayoutCommand>},
    {"tool", parseWith<parseToolCommand>},
    {"click", parseWith<parseClickCommand>},
    {"mouse", parseWith<parseMouseCommand>},
    {"key", parseWith<parseKeyCommand>},
    {"clock", parseWith<parseClockCommand>},
    {"guide", parseWith<parseGuideCommand>},
    {"print", parseWith<parsePrintCommand>},
    {"idle", parseIdle},
    {"undo", parseUndo},
    {"redo", parseRedo},
};

LineResult parseLine(std::string_view line)
{
    std::string_view arguments = line;
    const std::string_view name = nextWord(arguments);
    for (const auto& syntax : kCommands) {
        if (syntax.name == name)
            return syntax.parse(arguments);
    }
    return refuse("unknown command " + quoted(name));
}

bool isComment(std::string_view line)
{
    return line.empty() || line.front() == '#';
}

} // namespace

ParseResult parseScript(std::string_view text)
{
    Script script;
    std::vector<ScriptError> errors;
    int lineNumber = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = trimBlanks(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (isComment(line))
            continue;
        LineResult result = parseLine(line);
        if (!result.action) {
            errors.push_back({lineNumber, std::move(result.error)});
            continue;
        }
        script.commands.push_back({lineNumber, std::move(*result.action)});
    }
    if (!errors.empty())
        return {std::nullopt, std::move(errors)};
    return {std::move(script), {}};
}

} // namespace host::app
