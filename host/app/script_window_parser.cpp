// The words of `idle` and of the chooser answers.
#include "host/app/script_window_parser.h"

#include <charconv>

#include "host/app/script_words.h"

namespace host::app {
namespace {

/// Enough idle time for any plug-in's timers, small enough that a slip of the keyboard cannot hang a session.
constexpr int kMaxIdleRounds = 1000;

struct KindWord {
    std::string_view word;
    ui::ChooserKind kind;
};

constexpr KindWord kKinds[] = {
    {"file", ui::ChooserKind::File},
    {"folder", ui::ChooserKind::Folder},
    {"colour", ui::ChooserKind::Colour},
    {"color", ui::ChooserKind::Colour},
};

/// "#rrggbb" or a name; files and folders any name.
bool isColourAnswer(std::string_view name)
{
    if (name.empty() || name.front() != '#')
        return true;
    if (name.size() != 7)
        return false;
    for (char c : name.substr(1)) {
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex)
            return false;
    }
    return true;
}

/// A palette larger than any screen is a slip of the keyboard.
constexpr int kMaxPaletteSide = 10000;

} // namespace

std::variant<DrawWindowCommand, std::string> parseDrawWindowCommand(std::string_view arguments)
{
    const std::string usage = "draw window: expected a window's title and a file name, like "
                              "\"draw window Colours colours.svg\" (a title with blanks in double quotes)";
    std::string_view rest = trimBlanks(arguments);
    std::string_view title;
    if (rest.starts_with('"')) {
        const size_t close = rest.find('"', 1);
        if (close == std::string_view::npos)
            return std::string("draw window: the quoted title is not closed");
        title = rest.substr(1, close - 1);
        rest = rest.substr(close + 1);
        if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t')
            return usage;
        rest = trimBlanks(rest);
    } else {
        title = nextWord(rest);
    }
    if (title.empty() || rest.empty())
        return usage;
    return DrawWindowCommand{std::string(title), std::string(rest)};
}

std::variant<PaletteSizeCommand, std::string> parsePaletteSizeCommand(std::string_view arguments)
{
    const auto sides = words(arguments);
    const auto width = sides.size() == 2 ? wholeNumber(sides[0], 1, kMaxPaletteSide) : std::nullopt;
    const auto height = sides.size() == 2 ? wholeNumber(sides[1], 1, kMaxPaletteSide) : std::nullopt;
    if (!width || !height)
        return std::string("palette size: expected a width and a height in pixels from 1 to 10000, like \"palette size 248 203\"");
    return PaletteSizeCommand{*width, *height};
}

std::variant<IdleCommand, std::string> parseIdleCommand(std::string_view arguments)
{
    const std::string_view text = trimBlanks(arguments);
    if (text.empty())
        return IdleCommand{};
    int rounds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rounds);
    if (error != std::errc() || end != text.data() + text.size() || rounds < 1 || rounds > kMaxIdleRounds)
        return std::string("idle: expected \"idle\" or \"idle N\" with N from 1 to 1000");
    return IdleCommand{rounds};
}

std::optional<std::variant<ChooserAnswerCommand, std::string>> parseChooserAnswer(std::string_view arguments)
{
    std::string_view rest = arguments;
    const std::string_view word = nextWord(rest);
    for (const KindWord& kind : kKinds) {
        if (kind.word != word)
            continue;
        const std::string usage = "answer: expected \"answer " + std::string(word) + " NAME\" or \"answer " + std::string(word) + " Cancel\"";
        if (rest.empty())
            return usage;
        if (rest == "Cancel")
            return ChooserAnswerCommand{kind.kind, std::string(rest), true};
        std::string name(rest);
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
            name = name.substr(1, name.size() - 2);
        if (name.empty())
            return usage;
        if (kind.kind == ui::ChooserKind::Colour && !isColourAnswer(name))
            return "answer: a colour is a name or \"#rrggbb\", not \"" + name + "\"";
        return ChooserAnswerCommand{kind.kind, std::move(name), false};
    }
    return std::nullopt;
}

} // namespace host::app
