// The session script as parsed commands: what each line asks the host to do.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/app/script_window_commands.h"
#include "host/app/script_user_commands.h"

namespace host::app {

/// `new [pages N] [size W x H]`: sizes in points; an absent value takes the host's default.
struct NewDocumentCommand {
    std::optional<int> pages;
    std::optional<double> width;
    std::optional<double> height;
    bool operator==(const NewDocumentCommand&) const = default;
};

struct OpenDocumentCommand {
    std::string path;
    bool operator==(const OpenDocumentCommand&) const = default;
};

struct SaveDocumentCommand {
    std::string path;
    bool operator==(const SaveDocumentCommand&) const = default;
};

/// `menu VORNE > Cellora...`: a menu in the bar by its title, and an item of it by its label; an item in a
/// submenu by the labels on the way to it, joined with " > " (`menu VORNE > Rulora > Grids...`).
struct ChooseMenuCommand {
    std::string title;
    std::string item;
    bool operator==(const ChooseMenuCommand&) const = default;
};

enum class Answer { Ok, Cancel, Yes, No };

/// Queues the answer the scripted user gives to the next message box.
struct AnswerCommand {
    Answer answer;
    bool operator==(const AnswerCommand&) const = default;
};

struct ListMenusCommand {
    bool operator==(const ListMenusCommand&) const = default;
};

struct ExpectMessageCommand {
    std::string text;
    bool operator==(const ExpectMessageCommand&) const = default;
};

struct EchoCommand {
    std::string text;
    bool operator==(const EchoCommand&) const = default;
};

/// `dialog set 12 "50%"`, `dialog click main 3`, `dialog tab 2`, `dialog ok`: an action the scripted user takes
/// in the next modal dialog. An item number names the front tab page's item, or with `main` the dialog's own.
struct DialogCommand {
    enum class Verb { Set, Check, Choose, Click, Tab, Ok, Cancel };
    Verb verb = Verb::Ok;
    bool main = false;
    int item = 0;
    int value = 0; // check: 1 on, 0 off; choose: the row; tab: the tab index
    std::string text;
    int column = -1; // choose: the column clicked in a list with columns, -1 for the row alone
    bool operator==(const DialogCommand&) const = default;
};

/// `palette click 1`, `palette choose 3 2`: an action taken at once on the palette opened last.
struct PaletteCommand {
    DialogCommand action;
    bool operator==(const PaletteCommand&) const = default;
};

/// `draw 1 page-1.svg`: the current document's page (from 1) drawn as an SVG picture.
struct DrawPageCommand {
    int page = 0;
    std::string path;
    bool operator==(const DrawPageCommand&) const = default;
};

/// `select all [page N]`: every item of page N (from 1), or of the current page, becomes the selection.
struct SelectAllCommand {
    std::optional<int> page;
    bool operator==(const SelectAllCommand&) const = default;
};

/// `undo` and `redo`: Edit > Undo and Edit > Redo.
struct UndoCommand {
    bool redo = false;
    bool operator==(const UndoCommand&) const = default;
};

using CommandAction = std::variant<NewDocumentCommand, OpenDocumentCommand, SaveDocumentCommand, ChooseMenuCommand,
    AnswerCommand, ListMenusCommand, ExpectMessageCommand, EchoCommand, DialogCommand, PaletteCommand, DrawPageCommand,
    SelectAllCommand, UndoCommand, SelectItemsCommand, SelectTextCommand, SelectPageCommand, GoToCommand, LayoutCommand,
    ToolCommand, ClickCommand, MouseCommand, KeyCommand, ClockCommand, GuideEventCommand, PrintCommand, IdleCommand,
    ChooserAnswerCommand, DrawWindowCommand, PaletteSizeCommand>;

struct Command {
    int line = 0;
    CommandAction action;
    bool operator==(const Command&) const = default;
};

struct Script {
    std::vector<Command> commands;
    bool operator==(const Script&) const = default;
};

/// A line the parser refused, or a command that failed while the script ran.
struct ScriptError {
    int line = 0;
    std::string message;
    bool operator==(const ScriptError&) const = default;
};

/// "session.txt:4: unknown command "frobnicate"".
std::string formatScriptError(const std::string& scriptName, const ScriptError& error);

const char* answerLabel(Answer answer);

} // namespace host::app
