// Submenus, popups filled from a Windows menu with a row disabled, lists with columns, row bytes and pictures
// in cells, timers, a modeless progress box and the choosers, each through the operations the plug-ins call.
#include <gtest/gtest.h>

#include <fstream>

#include "host/tests/window_fixture.h"

namespace host_tests {
namespace {

using Lines = std::vector<std::string>;

TEST_F(WindowProbeTest, ASubmenuHangsOnOneItemAndItsItemsAreChosenByPath)
{
    EXPECT_EQ(m_setUpLines, (Lines{"hang 0 again -1"})) << "a submenu hangs in one place only";
    const Lines menus = host().menuLines();
    EXPECT_EQ(menus, (Lines{"Windows > Fields...", "Windows > Tools", "Windows > Tools > Grids...", "Windows > Tools > (Guides...)",
                         "Windows > Progress", "Windows > Choosers"}));
    EXPECT_FALSE(host().chooseMenuItem("Windows > Tools")) << "it opens a submenu";
    EXPECT_FALSE(host().chooseMenuItem("Windows > Tools > Guides...")) << "disabled";
    EXPECT_FALSE(host().chooseMenuItem("Windows > Grids..."));
    user().cancel();
    EXPECT_TRUE(host().chooseMenuItem("Windows > Tools > Grids..."));
}

TEST_F(WindowProbeTest, AListReportsTheCellClickedAndKeepsRowBytesAndPictures)
{
    events();
    user().choose(4, 1, host::ui::ItemScope::Front, 1);
    user().choose(4, 1, host::ui::ItemScope::Front, 0);
    user().choose(3, 2);
    user().choose(3, 1);  // a disabled row: refused
    user().ok();
    ASSERT_TRUE(host().chooseMenuItem("Windows > Tools > Grids..."));
    EXPECT_EQ(events(), (Lines{"first font Helveti", "item 4 row 1 Moss", "cell 1,1 data 71 (2 bytes)", "timer 1",
                            "cell 1,0 data 71 (2 bytes)", "timer 1", "item 3 row 2 Courier", "timer 1",
                            "timer 1", "grids result 1"}));
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs().back().problems, (Lines{"choose 3 1: item 3: row 1 is disabled"}));
    EXPECT_TRUE(host().windows().timers().empty()) << "the timer stops with its window";
}

TEST(ListCellTest, ACellKeepsWhatThePictureShowedWhenItWasPutThere)
{
    host::ui::WindowItem list(host::ui::ItemKind::List);
    list.addColumn({0xD0000000, 125});
    list.addColumn({0xC0000000, 55});
    ASSERT_TRUE(list.insertRow(0));
    host::ui::Picture swatch;
    swatch.fill = host::ui::PictureFill{0xFFFF, 0x8000, 0};
    swatch.marks.push_back({5, 14, 0, "Red"});
    ASSERT_TRUE(list.setCell(0, 0, swatch));
    swatch.marks.clear(); // the plug-in draws the next row into the same picture
    EXPECT_EQ(list.cell(0, 0)->describe(), "fill #ff8000; text \"Red\" at 5,14");
    EXPECT_EQ(list.cell(0, 1), nullptr);
    EXPECT_FALSE(list.setCell(0, 2, swatch)) << "no third column";
    EXPECT_FALSE(list.setCell(1, 0, swatch)) << "no second row";
    EXPECT_EQ(list.rowValue(0), 0) << "a row nobody gave a value reads as 0";
    ASSERT_TRUE(list.setRowData(0, std::string("\x46\x00", 2)));
    EXPECT_EQ(list.rowValue(0), 70);
    ASSERT_TRUE(list.setRowEnabled(0, false));
    ASSERT_TRUE(list.insertRow(0));
    EXPECT_TRUE(list.rowEnabled(0)) << "states move with their rows";
    EXPECT_FALSE(list.rowEnabled(1));
    EXPECT_NE(list.cell(1, 0), nullptr);
}

TEST_F(WindowProbeTest, AColumnTheListLacksIsRefused)
{
    user().choose(4, 0, host::ui::ItemScope::Front, 7);  // no such column
    user().ok();
    ASSERT_TRUE(host().chooseMenuItem("Windows > Tools > Grids..."));
    EXPECT_EQ(dialogs().back().problems, (Lines{"choose 4 0 column 7: item 4 has no column 7 (it has 2)"}));
}

TEST_F(WindowProbeTest, AProgressBoxStaysOpenWhileThePlugInWorksAndClosesWhenItSays)
{
    events();
    ASSERT_TRUE(host().chooseMenuItem("Windows > Progress"));
    EXPECT_EQ(events(), (Lines{"progress open", "progress closing", "progress done"}));
    EXPECT_TRUE(host().windows().windowsOfKind(host::ui::WindowKind::Modeless).empty());
    // What a user watching the box saw: each redraw that changed its texts, and the box going away.
    EXPECT_EQ(host().windows().windowLines(),
        (Lines{"[window] \"Working\" opened", "[window] \"Working\" shows: Probe", "[window] \"Working\" shows: Probe | Step 1",
            "[window] \"Working\" shows: Probe | Step 2", "[window] \"Working\" closed"}));
}

TEST_F(WindowProbeTest, ChoosersTakeTheScriptedFileFolderAndColour)
{
    events();
    std::ofstream(sys("guides.vog")) << "0\t0\t";
    auto& choosers = host().windows().chooserUser();
    choosers.queue({host::ui::ChooserKind::Colour, "#ff8000", "#ff8000", false, 0});
    choosers.queue({host::ui::ChooserKind::Folder, "out", m_folder.path().string(), false, 0});
    choosers.queue({host::ui::ChooserKind::File, "guides.vog", sys("guides.vog").string(), false, 0});
    ASSERT_TRUE(host().chooseMenuItem("Windows > Choosers"));
    EXPECT_EQ(events(), (Lines{"open 1 guides.vog", "save 1 Layout Guides", "colour 1 65535,32896,0"}));
    ASSERT_EQ(choosers.log().size(), 3u);
    EXPECT_EQ(choosers.log()[0].what, "open file (VORNE Guides (*.vog))");
    EXPECT_EQ(choosers.log()[0].prompt, "Open Guides");
    EXPECT_EQ(choosers.pending(), 0u);
}

TEST_F(WindowProbeTest, AChooserWithoutAnAnswerOrWithOneItCannotTakeIsCancelled)
{
    events();
    auto& choosers = host().windows().chooserUser();
    choosers.queue({host::ui::ChooserKind::File, "missing.vog", sys("missing.vog").string(), false, 0});
    choosers.queue({host::ui::ChooserKind::Colour, "Sea", "Sea", false, 0});
    ASSERT_TRUE(host().chooseMenuItem("Windows > Choosers"));
    EXPECT_EQ(events(), (Lines{"open 0 ", "save 0 ", "colour 0 1,2,3"}));
    ASSERT_EQ(choosers.log().size(), 3u);
    EXPECT_EQ(choosers.log()[0].problem, "there is no file missing.vog");
    EXPECT_TRUE(choosers.log()[1].unexpected);
    EXPECT_EQ(choosers.log()[2].problem, "no colour is named Sea");
}

} // namespace
} // namespace host_tests
