// The screen's resolution, pop-up menus and the shell of the Windows layer.
#include <gtest/gtest.h>

#include "win32/standin.h"
#include "win32/windows.h"

namespace {

class ScreenTest : public ::testing::Test {
protected:
    void TearDown() override { win32::resetStandIn(); }
};

TEST_F(ScreenTest, TheScreenReportsItsResolutionUntilReset)
{
    HDC dc = GetDC(nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    win32::setScreenResolution(120);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 120);
    EXPECT_EQ(GetDeviceCaps(dc, 12), 0) << "a capability the stand-in does not know";
    EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSX), 0);
    EXPECT_EQ(ReleaseDC(nullptr, dc), 1);
    win32::resetStandIn();
    EXPECT_EQ(GetDeviceCaps(GetDC(nullptr), LOGPIXELSX), 96);
}

TEST_F(ScreenTest, MenusKeepTheirEntriesInOrder)
{
    HMENU menu = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 7, "Copy"));
    ASSERT_TRUE(AppendMenuA(menu, MF_SEPARATOR, 203, nullptr));
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    const auto entries = win32::menuEntries(menu);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].text, "Copy");
    EXPECT_EQ(entries[1].flags, MF_SEPARATOR);
    EXPECT_EQ(entries[1].id, 203u);
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(AppendMenuA(menu, MF_STRING, 8, "Paste")) << "the menu is gone";
    EXPECT_EQ(GetMenuItemCount(menu), -1);
}

TEST_F(ScreenTest, ShellExecutionsAreLoggedNotRun)
{
    EXPECT_GT(reinterpret_cast<uintptr_t>(ShellExecuteA(nullptr, "open", "https://vorne.example/", nullptr, nullptr, SW_SHOWNORMAL)), 32u);
    ASSERT_EQ(win32::shellExecutions().size(), 1u);
    EXPECT_EQ(win32::shellExecutions()[0].file, "https://vorne.example/");
}

} // namespace
