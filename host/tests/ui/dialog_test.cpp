// Modal dialogs, tab pages and palettes driven through a plug-in's window callbacks by the scripted user.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/tests/dialog_fixture.h"
#include "win32/standin.h"

namespace host_tests {
namespace {

using Lines = std::vector<std::string>;
using host::ui::DialogOutcome;
using host::ui::ItemScope;

// The probe's window ids, counted from its base.
constexpr int32_t kPalette = 3;
constexpr int32_t kMissingDialog = 4;
constexpr int32_t kDamagedDialog = 5;

const Lines kOpening = {"main: which", "main: created", "main: init", "main: open", "pageA: which", "pageA: created",
    "pageA: init", "pageA: open"};

Lines concat(Lines head, const Lines& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST_F(DialogTest, OkRunsTheEventSequenceAndThePagesHandInFirst)
{
    user().ok();
    openFromMenu();
    EXPECT_EQ(events(), concat(kOpening, {"main: hit 1 detail 1", "pageA: accept", "main: ok", "main: size 786432", "pageA: closing",
                                             "main: closing", "main: tab 0", "menu: dialog status 0 result 1"}));
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].outcome, DialogOutcome::Ok);
    EXPECT_EQ(dialogs()[0].resourceId, 100);
    EXPECT_EQ(dialogs()[0].title, " Probe");
    EXPECT_TRUE(dialogs()[0].problems.empty());
    EXPECT_TRUE(host().windows().windowsOfKind(host::ui::WindowKind::Dialog).empty());
    EXPECT_TRUE(host().windows().windowsOfKind(host::ui::WindowKind::TabPage).empty());
}

TEST_F(DialogTest, CancelReachesTheDialogAndItsPages)
{
    user().cancel();
    openFromMenu();
    EXPECT_EQ(events(), concat(kOpening, {"main: hit 2 detail 1", "main: cancel", "pageA: cancel", "pageA: closing", "main: closing",
                                             "main: tab 0", "menu: dialog status 0 result 0"}));
    EXPECT_EQ(dialogs().back().outcome, DialogOutcome::Cancelled);
    EXPECT_FALSE(dialogs().back().unexpected);
}

TEST_F(DialogTest, TheDialogsOwnButtonsEndItAndAPluginCanCloseItItself)
{
    user().click(1, ItemScope::Dialog);
    openFromMenu();
    EXPECT_EQ(dialogs().back().outcome, DialogOutcome::Ok);

    user().click(3); // "Apply": no item 3 on the page, so the dialog's; its callback closes the dialog
    user().ok();     // never reached
    openFromMenu();
    const Lines seen = events();
    EXPECT_EQ(Lines(seen.end() - 5, seen.end()),
        (Lines{"main: hit 3 detail 1", "pageA: closing", "main: closing", "main: tab 0", "menu: dialog status 0 result 0"}));
    EXPECT_EQ(dialogs().back().outcome, DialogOutcome::Closed);
    EXPECT_EQ(user().pending(), 1u) << "the dialog took no action after it closed";
}

TEST_F(DialogTest, FieldsReadTypedTextInTheirUnitAndRefuseWhatTheyCannotHold)
{
    struct Case {
        int32_t item;
        const char* text;
        const char* logged;
    };
    // Each field ends on text it takes: the host refuses the rest when the user leaves the field.
    const Case cases[] = {
        {7, "2000 pt", "pageA: value -1 ok 0"},         // beyond the field's 1000 pt
        {7, "12 apples", "pageA: value -1 ok 0"},
        {7, "50%", "pageA: value -1 ok 0"},             // a percentage in a length field
        {7, "12", "pageA: value 786432 ok 1"},
        {7, "1 in", "pageA: value 4718592 ok 1"},       // 72 pt
        {7, "2p6", "pageA: value 1966080 ok 1"},        // 2 picas 6 points = 30 pt
        {7, "25.4 mm", "pageA: value 4718592 ok 1"},
        {8, "", "pageA: value -1 ok 0"},
        {8, "50%", "pageA: value 32768 ok 1"},
        {8, "150", "pageA: value 98304 ok 1"},
    };
    for (const auto& c : cases)
        user().setText(c.item, c.text);
    user().ok();
    openFromMenu();
    Lines expected;
    for (const auto& c : cases)
        expected.push_back(c.logged);
    EXPECT_EQ(linesStartingWith("pageA: value"), expected);
    EXPECT_TRUE(dialogs().back().problems.empty());
}

TEST_F(DialogTest, ListsAndPopupsReportTheChosenRowAndItsValue)
{
    user().choose(9, 2);
    user().choose(12, 1);
    user().choose(12, 5);
    user().ok();
    openFromMenu();
    EXPECT_EQ(linesStartingWith("pageA: row"), (Lines{"pageA: row 2 value 0", "pageA: row 1 value 20"}));
    EXPECT_EQ(dialogs().back().problems, (std::vector<std::string>{"choose 12 5: item 12 has no row 5 (it has 2)"}));
}

TEST_F(DialogTest, CheckBoxesAndRadioButtonsChangeBeforeTheHitAndDisabledItemsRefuse)
{
    user().click(2);        // the other radio button of the group
    user().click(4);        // "Bold" was turned on at open: now off
    user().check(4, true);
    user().click(14);       // disabled in the resource
    user().click(99);
    user().setText(13, "x"); // a label is no field
    user().ok();
    openFromMenu();
    Lines hits;
    for (const auto& line : events()) {
        if (line.rfind("pageA: radio", 0) == 0 || line.rfind("pageA: value", 0) == 0)
            hits.push_back(line);
    }
    EXPECT_EQ(hits, (Lines{"pageA: radio 2", "pageA: value 0", "pageA: value 1"}));
    EXPECT_EQ(dialogs().back().problems, (std::vector<std::string>{"click 14: item 14 is disabled",
                                             "click 99: there is no item 99", "set 13 \"x\": item 13 is not a field"}));
}

TEST_F(DialogTest, TabsCreatePagesOnceAndTellThemWhenTheyComeAndGo)
{
    user().tab(1);
    user().click(1); // page B's "Extra" check box, now in front (the dialog's item 1 would be OK)
    user().tab(0);
    user().tab(7);
    user().ok();
    openFromMenu();
    Lines pages;
    for (const auto& line : events()) {
        if (line.rfind("page", 0) == 0 && line.find("pageA: which") == std::string::npos)
            pages.push_back(line);
    }
    EXPECT_EQ(pages, (Lines{"pageA: created", "pageA: init", "pageA: open", "pageA: event 23", "pageB: which",
                         "pageB: created", "pageB: init", "pageB: open", "pageB: hit 1 detail 1", "pageB: event 23",
                         "pageA: event 22", "pageA: event 4", "pageA: accept", "pageB: accept", "pageA: closing",
                         "pageB: closing"}));
    EXPECT_EQ(dialogs().back().problems, (std::vector<std::string>{"tab 7: there is no tab 7"}));
    EXPECT_EQ(dialogs().back().outcome, DialogOutcome::Ok);
}

TEST_F(DialogTest, TheTabInFrontAtCloseIsTheOneTheNextOpeningShows)
{
    user().tab(1);
    user().cancel();
    openFromMenu();
    EXPECT_EQ(linesStartingWith("main: tab"), (Lines{"main: tab 1"}));
    user().ok();
    openFromMenu();
    const Lines seen = events();
    EXPECT_EQ(seen[4], "pageB: which") << "page B is created first";
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "pageA: which"), 0);
}

TEST_F(DialogTest, ARememberedTabPastTheLastShowsTheLast)
{
    void* library = host::context().plugins().modules().front()->library;
    auto setTab = reinterpret_cast<void (*)(int32_t)>(dlsym(library, "DialogProbeSetTab"));
    ASSERT_NE(setTab, nullptr);
    setTab(9);
    user().ok();
    openFromMenu();
    const Lines seen = events();
    EXPECT_EQ(seen[4], "pageB: which");
    EXPECT_NE(std::find(seen.begin(), seen.end(), "main: tab 1"), seen.end());
}

TEST_F(DialogTest, TheContextMenuKeepsTheHostsEntriesWhenNoPluginAddsAny)
{
    const auto entries = host().openContextMenu();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].text, "Copy");
}

TEST_F(DialogTest, AnUnexpectedDialogIsCancelledAndRecorded)
{
    openFromMenu();
    EXPECT_EQ(linesStartingWith("menu:"), (Lines{"menu: dialog status 0 result 0"}));
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_TRUE(dialogs()[0].unexpected);
    EXPECT_EQ(dialogs()[0].outcome, DialogOutcome::Cancelled);
    EXPECT_EQ(host().windows().dialogLog().troubledCount(), 1u);

    user().click(4); // actions that run out before OK or Cancel
    openFromMenu();
    EXPECT_TRUE(dialogs()[1].unexpected);
    EXPECT_NE(dialogs()[1].problems.front().find("ran out"), std::string::npos);
}

TEST_F(DialogTest, ADialogWithoutASoundResourceIsRefusedCleanly)
{
    auto openDialog = hostOp<xt::op::OpenDialog>();
    int32_t result = 7;
    EXPECT_EQ(openDialog(windowId(kMissingDialog), 0, &result), -1);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(dialogs().back().problems, (std::vector<std::string>{"the plug-in has no dialog resource 999"}));
    EXPECT_EQ(openDialog(windowId(kDamagedDialog), 0, &result), -1);
    EXPECT_NE(dialogs().back().problems.front().find("dialog resource 105: the dialog resource has 727 bytes"),
        std::string::npos) << dialogs().back().problems.front();
    EXPECT_EQ(openDialog(windowId(99), 0, &result), -1) << "no callback under that id";
    EXPECT_EQ(events(), (Lines{"other: which", "other: which"})) << "no created event for a window that never was";
    EXPECT_TRUE(host().windows().windowsOfKind(host::ui::WindowKind::Dialog).empty());
}

class PaletteTest : public DialogTest {
protected:
    xt::WindowRef openPalette()
    {
        xt::Handle record = win32::newHandle(42);
        m_records.push_back(record);
        xt::WindowRef window = 0;
        EXPECT_EQ(hostOp<xt::op::OpenPalette>()(windowId(kPalette), record, &window), 0);
        return window;
    }

    void TearDown() override
    {
        for (xt::Handle record : m_records)
            win32::disposeHandle(record);
    }

    std::vector<xt::Handle> m_records;
};

TEST_F(PaletteTest, APaletteOpensWithItsRecordAndStaysOpen)
{
    const xt::WindowRef window = openPalette();
    EXPECT_EQ(events(), (Lines{"palette: which", "palette: record 42", "palette: created", "palette: init", "palette: open"}));
    const host::ui::Window* palette = host().windows().find(window);
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->windowClass(), "QFPalette");
    EXPECT_EQ(palette->title(), "|Probe");
    EXPECT_EQ(palette->rect().left, 40);
    EXPECT_EQ(palette->item(1)->bitmap(), 300);
}

TEST_F(PaletteTest, ClicksChangesAndClosingReachThePalette)
{
    const xt::WindowRef window = openPalette();
    events();
    host().windows().holdMouseButton(3);
    EXPECT_FALSE(host::ui::actOnPalette(window, host::ui::DialogAction::click(1)));
    host::ui::notifySelectionChanged();
    EXPECT_EQ(host::ui::actOnPalette(window, host::ui::DialogAction::ok()), "ok: a palette has no such action");
    host::ui::closePalettes(true);
    EXPECT_EQ(events(), (Lines{"palette: hit 1 detail 2", "palette: button held for 3 reads", "palette: refill",
                            "palette: closing", "palette: at 40,50 quitting 1"}));
    EXPECT_EQ(host().windows().find(window), nullptr);
    EXPECT_EQ(host::ui::actOnPalette(window, host::ui::DialogAction::click(1)), "no such palette is open");
}

TEST_F(PaletteTest, APluginClosesItsPaletteInsideADrawingScope)
{
    const xt::WindowRef window = openPalette();
    events();
    ASSERT_EQ(hostOp<xt::op::BeginWindowDrawing>()(window), 0);
    EXPECT_EQ(hostOp<xt::op::DrawWindowPart1506>()(0, 0, 0), 0);
    hostOp<xt::op::EndWindowDrawing>()();
    EXPECT_EQ(events(), (Lines{"palette: closing", "palette: at 40,50 quitting 0"}));
    EXPECT_EQ(host().windows().find(window), nullptr);
    EXPECT_EQ(host().windows().target(), nullptr);
}

/// A user drags the palette: it gives its limits, changes the proposed size (whole list rows), and hears that it
/// was resized once the host has moved its right and bottom edges within the limits.
TEST_F(PaletteTest, AResizedPaletteGivesItsLimitsAndMayChangeTheSize)
{
    const xt::WindowRef window = openPalette();
    events();
    struct Case {
        int32_t width, height;
        int32_t tookWidth, tookHeight;
        const char* proposed;
    };
    const Case cases[] = {
        {248, 210, 248, 197, "palette: proposed 248 x 210"},  // the palette snaps the height to rows
        {20, 10, 100, 40, "palette: proposed 20 x 10"},       // below the minimum
        {900, 900, 300, 400, "palette: proposed 900 x 900"},  // above the maximum
    };
    for (const Case& c : cases) {
        const auto took = host::ui::resizePalette(window, c.width, c.height);
        ASSERT_TRUE(std::holds_alternative<xt::PaletteProposedSize>(took)) << std::get<std::string>(took);
        EXPECT_EQ(std::get<xt::PaletteProposedSize>(took).width, c.tookWidth) << c.proposed;
        EXPECT_EQ(std::get<xt::PaletteProposedSize>(took).height, c.tookHeight) << c.proposed;
        const std::string resized = "palette: resized to " + std::to_string(c.tookWidth) + " x " + std::to_string(c.tookHeight);
        EXPECT_EQ(events(), (Lines{"palette: limits", "palette: proposed", c.proposed, "palette: resized", resized}));
        const xt::WindowRect& rect = host().windows().find(window)->rect();
        EXPECT_EQ(rect.left, 40) << "the palette keeps its place";
        EXPECT_EQ(rect.top, 50);
    }
    const auto& drawn = win32::windowDrawing(reinterpret_cast<HWND>(static_cast<intptr_t>(window)));
    ASSERT_FALSE(drawn.empty()) << "the palette drew into its window's device context";
    EXPECT_EQ(drawn.back().rect.right, 300);
    const auto gone = host::ui::resizePalette(0, 10, 10);
    ASSERT_TRUE(std::holds_alternative<std::string>(gone));
    EXPECT_EQ(std::get<std::string>(gone), "no such palette is open");
}

} // namespace
} // namespace host_tests
