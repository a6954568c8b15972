// The script commands for what a user does in the layout window: choosing items, text, pages,
// layouts and tools, and clicking.
#include "host/model/limits.h"
#include "host/app/script_user_parser.h"

#include <cstdint>

#include "host/app/script_words.h"

namespace host::app {
namespace {

/// Pages are bounded as `new` bounds them.
constexpr int kMaxPages = static_cast<int>(model::kMostLayoutPages);

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::optional<int> pageNumber(std::string_view text)
{
    return wholeNumber(text, 1, kMaxPages);
}

ParsedCommand selectAll(const std::vector<std::string>& tokens)
{
    if (tokens.size() == 1)
        return SelectAllCommand{};
    if (tokens.size() != 3 || tokens[1] != "page")
        return std::string("select: expected \"select all\" or \"select all page N\"");
    const auto number = pageNumber(tokens[2]);
    if (!number)
        return "select: the page must be a whole number from 1 to 2000, not " + quoted(tokens[2]);
    return SelectAllCommand{number};
}

ParsedCommand selectText(const std::vector<std::string>& tokens)
{
    if (tokens.size() != 4)
        return std::string("select text: expected an item and two character offsets, like \"select text 12 0 5\"");
    const auto from = wholeNumber(tokens[2], 0, INT32_MAX);
    const auto to = wholeNumber(tokens[3], 0, INT32_MAX);
    if (!from || !to)
        return "select text: the offsets must be whole numbers from 0, not " + quoted(tokens[2] + " " + tokens[3]);
    if (*from > *to)
        return "select text: the first offset (" + tokens[2] + ") lies after the second (" + tokens[3] + ")";
    return SelectTextCommand{tokens[1], *from, *to};
}

ParsedCommand selectPage(const std::vector<std::string>& tokens)
{
    if (tokens.size() != 2)
        return std::string("select page: expected a page number, like \"select page 2\"");
    const auto number = pageNumber(tokens[1]);
    if (!number)
        return "select page: the page must be a whole number from 1 to 2000, not " + quoted(tokens[1]);
    return SelectPageCommand{*number};
}

} // namespace

ParsedCommand parseSelectCommand(std::string_view arguments)
{
    const auto tokens = quotedWords(arguments);
    if (!tokens)
        return std::string("select: a quoted item name is not closed");
    if (tokens->empty())
        return std::string("select: expected \"all\", \"text\", \"page\" or the items to select");
    const std::string& first = tokens->front();
    // A quoted "all", "text" or "page" is an item's name, so the words are told apart before quotes go.
    const bool keyword = !trimBlanks(arguments).starts_with('"');
    if (keyword && first == "all")
        return selectAll(*tokens);
    if (keyword && first == "text")
        return selectText(*tokens);
    if (keyword && first == "page")
        return selectPage(*tokens);
    for (const std::string& item : *tokens) {
        if (item.empty())
            return std::string("select: an item name is empty");
    }
    return SelectItemsCommand{*tokens};
}

ParsedCommand parseGoCommand(std::string_view arguments)
{
    std::string_view rest = arguments;
    if (nextWord(rest) != "to")
        return std::string("go: expected \"go to page N\" or \"go to master NAME\"");
    const std::string_view what = nextWord(rest);
    if (what == "page") {
        const auto number = pageNumber(rest);
        if (!number)
            return "go to page: the page must be a whole number from 1 to 2000, not " + quoted(rest);
        return GoToCommand{number, {}};
    }
    if (what == "master") {
        if (rest.empty())
            return std::string("go to master: the master's name is missing, like \"go to master A-Master\"");
        return GoToCommand{std::nullopt, std::string(rest)};
    }
    return std::string("go: expected \"go to page N\" or \"go to master NAME\"");
}

ParsedCommand parseLayoutCommand(std::string_view arguments)
{
    const size_t arrow = arguments.find('>');
    if (arrow == std::string_view::npos) {
        if (arguments.empty())
            return std::string("layout: the layout's or project's name is missing");
        return LayoutCommand{{}, std::string(arguments)};
    }
    const std::string_view project = trimBlanks(arguments.substr(0, arrow));
    const std::string_view layout = trimBlanks(arguments.substr(arrow + 1));
    if (project.empty() || layout.empty() || layout.find('>') != std::string_view::npos)
        return std::string("layout: expected a layout's name, or a project and a layout like \"Brochure > Layout 2\"");
    return LayoutCommand{std::string(project), std::string(layout)};
}

ParsedCommand parseToolCommand(std::string_view arguments)
{
    if (arguments.empty())
        return std::string("tool: the tool's name is missing (\"item\", \"content\" or a plug-in's tool)");
    return ToolCommand{std::string(arguments)};
}

ParsedCommand parseClickCommand(std::string_view arguments)
{
    const auto tokens = words(arguments);
    const auto x = tokens.size() == 2 ? pagePoint(tokens[0]) : std::nullopt;
    const auto y = tokens.size() == 2 ? pagePoint(tokens[1]) : std::nullopt;
    if (!x || !y)
        return std::string("click: expected a point on the page in points, like \"click 72 144\"");
    return ClickCommand{*x, *y};
}

} // namespace host::app
