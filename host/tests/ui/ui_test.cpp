// The menu bar model and the message boxes the scripted user answers.
#include <gtest/gtest.h>

#include "host/tests/host_fixture.h"
#include "host/ui/menu_bar.h"
#include "host/ui/message_boxes.h"
#include "win32/windows.h"

namespace host_tests {
namespace {

using host::ui::Button;
using host::ui::MenuBar;

TEST(MenuBarTest, MenusGoIntoTheBarWhereAsked)
{
    MenuBar bar;
    const int32_t vorne = bar.newMenu("VORNE");
    const int32_t view = bar.newMenu("View");
    EXPECT_TRUE(bar.insertMenu(vorne, -1));
    EXPECT_TRUE(bar.insertMenu(view, vorne)) << "before VORNE";
    EXPECT_FALSE(bar.insertMenu(view, -1)) << "already in the bar";
    EXPECT_FALSE(bar.insertMenu(vorne + 100, -1));
    const auto menus = bar.barMenus();
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0]->title(), "View");
    EXPECT_EQ(menus[1]->title(), "VORNE");
}

TEST(MenuBarTest, ItemsAreFoundByTheirLabels)
{
    MenuBar bar;
    const int32_t menu = bar.newMenu("VORNE");
    bar.appendItem(menu, bar.newItemId(), "Hidden...");
    bar.insertMenu(menu, -1);
    const uint16_t cellora = bar.newItemId();
    bar.appendItem(menu, cellora, "Cellora...");
    bar.setEnabled(menu, cellora, false);
    auto found = bar.find("VORNE > Cellora...");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->itemId, cellora);
    EXPECT_FALSE(bar.item(*found)->enabled);
    EXPECT_FALSE(bar.find("VORNE > (Cellora...)")) << "the parentheses only show a state";
    EXPECT_FALSE(bar.find("VORNE > ---"));
    EXPECT_FALSE(bar.find("VORNE Cellora..."));
    EXPECT_FALSE(bar.find("Other > Cellora..."));
}

TEST(MessageBoxButtonsTest, ButtonsAndDefaultsFollowTheStyle)
{
    struct Case {
        uint32_t style;
        std::vector<Button> buttons;
        Button fallback;
    };
    const Case cases[] = {
        {MB_ICONWARNING, {Button::Ok}, Button::Ok},
        {MB_OKCANCEL, {Button::Ok, Button::Cancel}, Button::Ok},
        {MB_YESNO | MB_DEFBUTTON2, {Button::Yes, Button::No}, Button::No},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, {Button::Yes, Button::No, Button::Cancel}, Button::Cancel},
        {MB_OK | MB_DEFBUTTON3, {Button::Ok}, Button::Ok},  // a default past the buttons falls back to the first
    };
    for (const auto& c : cases) {
        EXPECT_EQ(host::ui::buttonsOf(c.style), c.buttons) << c.style;
        EXPECT_EQ(host::ui::defaultButtonOf(c.style), c.fallback) << c.style;
    }
    EXPECT_EQ(host::ui::parseButton("cancel"), Button::Cancel);
    EXPECT_FALSE(host::ui::parseButton("Maybe"));
}

class MessageBoxTest : public HostTest {};

TEST_F(MessageBoxTest, ScriptedAnswersAreUsedInOrderAndUnansweredBoxesAreMarked)
{
    ASSERT_TRUE(host().user().answer("Cancel"));
    ASSERT_TRUE(host().user().answer("Yes"));
    EXPECT_FALSE(host().user().answer("Perhaps"));
    std::vector<std::string> seen;
    host().onMessageBox([&](const host::ui::MessageBoxRecord& box) { seen.push_back(box.caption + ": " + box.text); });

    EXPECT_EQ(MessageBoxA(nullptr, "Replace it?", "VORNE", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "Sorry, problems saving settings!", "VORNE", MB_ICONWARNING), IDOK)
        << "a queued Yes does not fit an OK box: the box takes its default";
    EXPECT_EQ(MessageBoxA(nullptr, "Delete?", "VORNE", MB_YESNO | MB_DEFBUTTON2), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "Again?", "VORNE", MB_YESNO | MB_DEFBUTTON2), IDNO);

    const auto& boxes = host().messageBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].answer, Button::Cancel);
    EXPECT_TRUE(boxes[0].answered);
    EXPECT_EQ(boxes[1].text, "Sorry, problems saving settings!");
    EXPECT_EQ(boxes[1].style, MB_ICONWARNING);
    EXPECT_FALSE(boxes[1].answered);
    EXPECT_TRUE(boxes[2].answered);
    EXPECT_FALSE(boxes[3].answered);
    EXPECT_EQ(host().user().pending(), 0u);
    EXPECT_EQ(seen.front(), "VORNE: Replace it?");
    EXPECT_EQ(seen.size(), 4u);
}

TEST_F(MessageBoxTest, BeepsAreLogged)
{
    MessageBeep(MB_ICONEXCLAMATION);
    EXPECT_EQ(host().beeps(), (std::vector<uint32_t>{MB_ICONEXCLAMATION}));
}

} // namespace
} // namespace host_tests
