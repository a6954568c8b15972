// The session-script parser: lines to commands, refused lines to errors with their line numbers.
#include "host/app/script_parser.h"

#include <gtest/gtest.h>

namespace host::app {

void PrintTo(const ScriptError& error, std::ostream* out)
{
    *out << "line " << error.line << ": " << error.message;
}

namespace {

struct AcceptedLine {
    const char* text;
    CommandAction expected;
};

const AcceptedLine kAcceptedLines[] = {
    {"new", NewDocumentCommand{}},
    {"new pages 3", NewDocumentCommand{3, {}, {}}},
    {"new pages 2000 size 32767.5 x 1", NewDocumentCommand{2000, 32767.5, 1.0}}, // the largest accepted
    {"new size 612 x 792", NewDocumentCommand{{}, 612.0, 792.0}},
    {"new size 595.5x842", NewDocumentCommand{{}, 595.5, 842.0}},
    {"new size 100 x200 pages 2", NewDocumentCommand{2, 100.0, 200.0}}, // options in either order
    {"new pages 2 size 100 x 200", NewDocumentCommand{2, 100.0, 200.0}},
    {"open doc.json", OpenDocumentCommand{"doc.json"}},
    {"open  my documents/a b.json  ", OpenDocumentCommand{"my documents/a b.json"}}, // spaces inside kept
    {"save out/doc.json", SaveDocumentCommand{"out/doc.json"}},
    {"menu VORNE > Cellora...", ChooseMenuCommand{"VORNE", "Cellora..."}},
    {"menu VORNE>Cellora...", ChooseMenuCommand{"VORNE", "Cellora..."}},
    {"menu VORNE > Rulora > Grids...", ChooseMenuCommand{"VORNE", "Rulora > Grids..."}}, // an item of a submenu
    {"menu VORNE>Rulora >  Guides>Edit", ChooseMenuCommand{"VORNE", "Rulora > Guides > Edit"}},
    {"idle", IdleCommand{1}},
    {"idle 25", IdleCommand{25}},
    {"answer file guides.vog", ChooserAnswerCommand{ui::ChooserKind::File, "guides.vog", false}},
    {"answer file \"my guides.vog\"", ChooserAnswerCommand{ui::ChooserKind::File, "my guides.vog", false}},
    {"answer file \"Cancel\"", ChooserAnswerCommand{ui::ChooserKind::File, "Cancel", false}}, // a file named Cancel
    {"answer file Cancel", ChooserAnswerCommand{ui::ChooserKind::File, "Cancel", true}},
    {"answer folder out/pages", ChooserAnswerCommand{ui::ChooserKind::Folder, "out/pages", false}},
    {"answer colour Red", ChooserAnswerCommand{ui::ChooserKind::Colour, "Red", false}},
    {"answer color #FF8000", ChooserAnswerCommand{ui::ChooserKind::Colour, "#FF8000", false}},
    {"answer OK", AnswerCommand{Answer::Ok}},
    {"answer Cancel", AnswerCommand{Answer::Cancel}},
    {"answer Yes", AnswerCommand{Answer::Yes}},
    {"answer No", AnswerCommand{Answer::No}},
    {"list-menus", ListMenusCommand{}},
    {"expect-message Sorry, no document is open.", ExpectMessageCommand{"Sorry, no document is open."}},
    {"echo", EchoCommand{""}},
    {"echo hello  # not a comment", EchoCommand{"hello  # not a comment"}},
    {"\techo tabbed\r", EchoCommand{"tabbed"}}, // leading tab and a Windows line end
    {"draw 1 page-1.svg", DrawPageCommand{1, "page-1.svg"}},
    {"draw 12  out/page twelve.svg ", DrawPageCommand{12, "out/page twelve.svg"}}, // spaces inside kept
    {"draw window Colours colours.svg", DrawWindowCommand{"Colours", "colours.svg"}},
    {"draw window \"Spot Colours\"  out/spot colours.svg", DrawWindowCommand{"Spot Colours", "out/spot colours.svg"}},
    {"palette size 248 203", PaletteSizeCommand{248, 203}},
    {"select all", SelectAllCommand{}},
    {"select  all page 3", SelectAllCommand{3}},
    {"undo", UndoCommand{false}},
    {"redo", UndoCommand{true}},
};

TEST(ScriptParser, AcceptsEachCommandForm)
{
    for (const auto& row : kAcceptedLines) {
        SCOPED_TRACE(row.text);
        const ParseResult result = parseScript(row.text);
        ASSERT_TRUE(result.script) << (result.errors.empty() ? "" : result.errors.front().message);
        ASSERT_EQ(result.script->commands.size(), 1u);
        EXPECT_EQ(result.script->commands.front().line, 1);
        EXPECT_TRUE(result.script->commands.front().action == row.expected);
    }
}

struct RefusedLine {
    const char* text;
    const char* message;
};

const char* const kBadSize =
    "new: \"size\" needs a width and a height in points (above 0, below 32768), like \"size 612 x 792\"";

const RefusedLine kRefusedLines[] = {
    {"frobnicate", "unknown command \"frobnicate\""},
    {"New", "unknown command \"New\""}, // command names are lower case
    {"new pages", "new: \"pages\" needs a whole number from 1 to 2000"},
    {"new pages 0", "new: \"pages\" needs a whole number from 1 to 2000"},
    {"new pages -2", "new: \"pages\" needs a whole number from 1 to 2000"},
    {"new pages 2.5", "new: \"pages\" needs a whole number from 1 to 2000"},
    {"new pages 2001", "new: \"pages\" needs a whole number from 1 to 2000"},
    {"new pages 99999999999", "new: \"pages\" needs a whole number from 1 to 2000"}, // beyond int
    {"new pages 2 pages 3", "new: \"pages\" is given twice"},
    {"new size 612", kBadSize},
    {"new size 612 x", kBadSize},
    {"new size 0 x 792", kBadSize},
    {"new size nan x 792", kBadSize},
    {"new size 32768 x 792", kBadSize}, // beyond 16.16
    {"new size 32767.999995 x 792", kBadSize}, // rounds up to 32768
    {"new size 0.000001 x 792", kBadSize}, // rounds to 0
    {"new size 1e999 x 792", kBadSize},
    {"new size 1 x 2 size 3 x 4", "new: \"size\" is given twice"},
    {"new colour red", "new: unknown option \"colour\" (expected \"pages N\" or \"size W x H\")"},
    {"open", "open: a file name is missing"},
    {"save   ", "save: a file name is missing"},
    {"menu VORNE", "menu: expected a menu title and an item, like \"VORNE > Cellora...\" or \"VORNE > Rulora > Grids...\""},
    {"menu VORNE >", "menu: expected a menu title and an item, like \"VORNE > Cellora...\" or \"VORNE > Rulora > Grids...\""},
    {"menu > Cellora...", "menu: expected a menu title and an item, like \"VORNE > Cellora...\" or \"VORNE > Rulora > Grids...\""},
    {"menu VORNE > Rulora >", "menu: expected a menu title and an item, like \"VORNE > Cellora...\" or \"VORNE > Rulora > Grids...\""}, // a submenu's item missing
    {"menu VORNE >> Grids...", "menu: expected a menu title and an item, like \"VORNE > Cellora...\" or \"VORNE > Rulora > Grids...\""},
    {"menu", "menu: expected a menu title and an item, like \"VORNE > Cellora...\" or \"VORNE > Rulora > Grids...\""},
    {"answer ok", "answer: expected OK, Cancel, Yes or No, not \"ok\""},
    {"answer", "answer: expected OK, Cancel, Yes or No, not \"\""},
    {"answer file", "answer: expected \"answer file NAME\" or \"answer file Cancel\""},
    {"answer folder \"\"", "answer: expected \"answer folder NAME\" or \"answer folder Cancel\""},
    {"answer colour #12345", "answer: a colour is a name or \"#rrggbb\", not \"#12345\""},
    {"answer colour #12345g", "answer: a colour is a name or \"#rrggbb\", not \"#12345g\""},
    {"idle 0", "idle: expected \"idle\" or \"idle N\" with N from 1 to 1000"},
    {"idle 1001", "idle: expected \"idle\" or \"idle N\" with N from 1 to 1000"}, // a slip of the keyboard
    {"idle soon", "idle: expected \"idle\" or \"idle N\" with N from 1 to 1000"},
    {"list-menus now", "list-menus: takes no argument"},
    {"expect-message", "expect-message: the expected text is missing"},
    {"draw", "draw: expected a page number and a file name, like \"draw 1 page-1.svg\""},
    {"draw 1", "draw: expected a page number and a file name, like \"draw 1 page-1.svg\""},
    {"draw 0 page.svg", "draw: the page must be a whole number from 1 to 2000, not \"0\""},
    {"draw one page.svg", "draw: the page must be a whole number from 1 to 2000, not \"one\""},
    {"draw window", "draw window: expected a window's title and a file name, like \"draw window Colours colours.svg\" (a title with blanks in double quotes)"},
    {"draw window Colours", "draw window: expected a window's title and a file name, like \"draw window Colours colours.svg\" (a title with blanks in double quotes)"},
    {"draw window \"Spot Colours colours.svg", "draw window: the quoted title is not closed"},
    {"draw window \"Spot\"colours.svg", "draw window: expected a window's title and a file name, like \"draw window Colours colours.svg\" (a title with blanks in double quotes)"},
    {"palette size 248", "palette size: expected a width and a height in pixels from 1 to 10000, like \"palette size 248 203\""},
    {"palette size 0 203", "palette size: expected a width and a height in pixels from 1 to 10000, like \"palette size 248 203\""},
    {"palette size 248 10001", "palette size: expected a width and a height in pixels from 1 to 10000, like \"palette size 248 203\""},
    {"select", "select: expected \"all\", \"text\", \"page\" or the items to select"},
    {"select all page", "select: expected \"select all\" or \"select all page N\""},
    {"select all pages 2", "select: expected \"select all\" or \"select all page N\""},
    {"select all page 2 3", "select: expected \"select all\" or \"select all page N\""},
    {"select all page 0", "select: the page must be a whole number from 1 to 2000, not \"0\""},
    {"select all page two", "select: the page must be a whole number from 1 to 2000, not \"two\""},
    {"undo 2", "undo: takes no argument"},
    {"redo all", "redo: takes no argument"},
};

TEST(ScriptParser, RefusesBadLinesWithAReason)
{
    for (const auto& row : kRefusedLines) {
        SCOPED_TRACE(row.text);
        const ParseResult result = parseScript(row.text);
        EXPECT_FALSE(result.script);
        ASSERT_EQ(result.errors.size(), 1u);
        EXPECT_EQ(result.errors.front(), (ScriptError{1, row.message}));
    }
}

TEST(ScriptParser, NumbersLinesCountingCommentsAndBlanks)
{
    const ParseResult result = parseScript("# a session\n"
                                           "\n"
                                           "new pages 2\n"
                                           "   # indented comment\n"
                                           "save a.json\n"
                                           "echo done");
    ASSERT_TRUE(result.script);
    const auto& commands = result.script->commands;
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].line, 3);
    EXPECT_EQ(commands[1].line, 5);
    EXPECT_EQ(commands[2].line, 6);
    EXPECT_TRUE(commands[2].action == CommandAction(EchoCommand{"done"}));
}

TEST(ScriptParser, ReportsEveryBadLineAndRunsNothing)
{
    const ParseResult result = parseScript("new\n"
                                           "frobnicate\n"
                                           "save out.json\n"
                                           "answer maybe\n");
    EXPECT_FALSE(result.script);
    ASSERT_EQ(result.errors.size(), 2u);
    EXPECT_EQ(result.errors[0].line, 2);
    EXPECT_EQ(result.errors[1].line, 4);
    EXPECT_EQ(formatScriptError("session.txt", result.errors[0]), "session.txt:2: unknown command \"frobnicate\"");
}

TEST(ScriptParser, EmptyTextIsAnEmptyScript)
{
    for (const char* text : {"", "\n\n", "# only a comment\n"}) {
        const ParseResult result = parseScript(text);
        ASSERT_TRUE(result.script);
        EXPECT_TRUE(result.script->commands.empty());
    }
}

} // namespace
} // namespace host::app
