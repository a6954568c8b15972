// The script words for what a user does in the layout window and with the mouse and keys.
#include "host/app/script_parser.h"

#include <gtest/gtest.h>

namespace host::app {
namespace {

struct AcceptedLine {
    const char* text;
    CommandAction expected;
};

const AcceptedLine kAcceptedLines[] = {
    {"select 12", SelectItemsCommand{{"12"}}},
    {"select 12 9 30", SelectItemsCommand{{"12", "9", "30"}}}, // the order given is kept
    {"select \"Title box\" 9", SelectItemsCommand{{"Title box", "9"}}},
    {"select none", SelectItemsCommand{{"none"}}}, // an item's name
    {"select \"all\"", SelectItemsCommand{{"all"}}}, // quoted, a name, not Select All
    {"select all", SelectAllCommand{}},
    {"select text 12 0 5", SelectTextCommand{"12", 0, 5}},
    {"select text \"Body copy\" 3 3", SelectTextCommand{"Body copy", 3, 3}}, // an empty range: the insertion point
    {"select page 2", SelectPageCommand{2}},
    {"go to page 3", GoToCommand{3, {}}},
    {"go to master A-Master", GoToCommand{{}, "A-Master"}},
    {"go to master B", GoToCommand{{}, "B"}},
    {"layout Layout 2", LayoutCommand{{}, "Layout 2"}},
    {"layout Brochure > Layout 2", LayoutCommand{"Brochure", "Layout 2"}},
    {"tool Sipette", ToolCommand{"Sipette"}},
    {"tool content", ToolCommand{"content"}},
    {"click 72 144", ClickCommand{72, 144}},
    {"click -10.5 0", ClickCommand{-10.5, 0}}, // on the pasteboard, left of the page
    {"mouse down", MouseCommand{true, 0, {}, {}}},
    {"mouse up after 12", MouseCommand{false, 12, {}, {}}},
    {"mouse down after 3 at 200 300.5", MouseCommand{true, 3, 200.0, 300.5}},
    {"mouse down at 200 300 after 3", MouseCommand{true, 3, 200.0, 300.0}}, // options in either order
    {"key alt down", KeyCommand{ModifierKey::Alt, true, 0}},
    {"key ctrl up after 2", KeyCommand{ModifierKey::Ctrl, false, 2}},
    {"key shift down", KeyCommand{ModifierKey::Shift, true, 0}},
    {"clock 2026-12-11 09:30", ClockCommand{2026, 12, 11, 9, 30}},
    {"clock 2028-02-29 23:59", ClockCommand{2028, 2, 29, 23, 59}}, // a leap day
    {"guide event vertical 0", GuideEventCommand{false, 0, false}},
    {"guide event horizontal 2 spread", GuideEventCommand{true, 2, true}},
    {"print", PrintCommand{false}},
    {"print cancel", PrintCommand{true}},
};

TEST(ScriptUserWords, AcceptsEachForm)
{
    for (const auto& row : kAcceptedLines) {
        SCOPED_TRACE(row.text);
        const ParseResult result = parseScript(row.text);
        ASSERT_TRUE(result.script) << (result.errors.empty() ? "" : result.errors.front().message);
        ASSERT_EQ(result.script->commands.size(), 1u);
        EXPECT_TRUE(result.script->commands.front().action == row.expected);
    }
}

struct RefusedLine {
    const char* text;
    const char* message;
};

const char* const kSelectText = "select text: expected an item and two character offsets, like \"select text 12 0 5\"";
const char* const kGo = "go: expected \"go to page N\" or \"go to master NAME\"";
const char* const kClick = "click: expected a point on the page in points, like \"click 72 144\"";
const char* const kMouse = "mouse: expected \"mouse down|up [after N] [at X Y]\", N polls from 0 to 1000000, X and Y "
                           "points on the page";
const char* const kKey = "key: expected \"key alt|ctrl|shift down|up [after N]\", N polls from 0 to 1000000";
const char* const kClock = "clock: expected a date and a time like \"clock 2026-12-11 09:30\"";
const char* const kGuide = "guide: expected \"guide event vertical|horizontal INDEX [spread]\", INDEX from 0";

const RefusedLine kRefusedLines[] = {
    {"select \"Title box", "select: a quoted item name is not closed"},
    {"select \"Title\"box", "select: a quoted item name is not closed"}, // the quote must end the word
    {"select 12 \"\"", "select: an item name is empty"},
    {"select text 12", kSelectText},
    {"select text 12 0", kSelectText},
    {"select text 12 0 5 6", kSelectText},
    {"select text 12 -1 5", "select text: the offsets must be whole numbers from 0, not \"-1 5\""},
    {"select text 12 0 x", "select text: the offsets must be whole numbers from 0, not \"0 x\""},
    {"select text 12 5 2", "select text: the first offset (5) lies after the second (2)"},
    {"select page", "select page: expected a page number, like \"select page 2\""},
    {"select page 0", "select page: the page must be a whole number from 1 to 2000, not \"0\""},
    {"select page 2 3", "select page: expected a page number, like \"select page 2\""},
    {"go page 3", kGo},
    {"go to", kGo},
    {"go to spread 2", kGo},
    {"go to page", "go to page: the page must be a whole number from 1 to 2000, not \"\""},
    {"go to page 2001", "go to page: the page must be a whole number from 1 to 2000, not \"2001\""},
    {"go to master", "go to master: the master's name is missing, like \"go to master A-Master\""},
    {"layout", "layout: the layout's or project's name is missing"},
    {"layout > Layout 2", "layout: expected a layout's name, or a project and a layout like \"Brochure > Layout 2\""},
    {"layout A > B > C", "layout: expected a layout's name, or a project and a layout like \"Brochure > Layout 2\""},
    {"tool", "tool: the tool's name is missing (\"item\", \"content\" or a plug-in's tool)"},
    {"click", kClick},
    {"click 72", kClick},
    {"click 72 144 3", kClick},
    {"click x 144", kClick},
    {"click nan 144", kClick},
    {"click 1e9 144", kClick}, // far off any page
    {"mouse", kMouse},
    {"mouse pressed", kMouse},
    {"mouse down after", kMouse},
    {"mouse down after -1", kMouse},
    {"mouse down after 1000001", kMouse},
    {"mouse down at 10", kMouse},
    {"mouse down at 10 20 at 30 40", kMouse}, // one place a change
    {"mouse down soon", kMouse},
    {"key alt", kKey},
    {"key meta down", kKey},
    {"key alt down at 1 2", kKey}, // keys do not move the cursor
    {"clock 2026-12-11", kClock},
    {"clock 2026-12-11 9:30", kClock},
    {"clock 2026-13-01 09:30", kClock},
    {"clock 2026-12-11 24:00", kClock},
    {"clock 2027-02-29 09:30", "clock: 2027-02-29 is no day of the calendar"},
    {"clock 2026-04-31 09:30", "clock: 2026-04-31 is no day of the calendar"},
    {"guide event", kGuide},
    {"guide event diagonal 0", kGuide},
    {"guide event vertical -1", kGuide},
    {"guide event vertical 0 page", kGuide},
    {"guide move vertical 0", kGuide},
    {"print now", "print: expected \"print\" or \"print cancel\""},
};

TEST(ScriptUserWords, RefusesBadLinesWithAReason)
{
    for (const auto& row : kRefusedLines) {
        SCOPED_TRACE(row.text);
        const ParseResult result = parseScript(row.text);
        EXPECT_FALSE(result.script);
        ASSERT_EQ(result.errors.size(), 1u);
        EXPECT_EQ(result.errors.front().message, row.message);
    }
}

} // namespace
} // namespace host::app
