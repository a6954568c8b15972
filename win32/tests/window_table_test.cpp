// Windows by handle: the host's main window, modeless dialogs from a module's resources, painting and focus;
// and menus read back by position.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/standin.h"
#include "win32/windows.h"
#include "xtapi/dialogs.h"

namespace {

const xt::DialogResource<1> kSampling = {{120, 40, 1, 0, "Sampling", ""}, {{1, xt::DialogItemKind::StaticText, 0, 0, 0, 10, 10, 0, {}}}};
const xt::Resource kResources[] = {{xt::kResourceDialog, 9987, &kSampling, sizeof kSampling}};
const xt::ModuleImage kImage = {xt::kModuleImageVersion, nullptr, kResources, 1};

std::vector<std::string> g_messages;

INT_PTR CALLBACK samplingProc(HWND window, UINT message, WPARAM, LPARAM parameter)
{
    if (message == WM_INITDIALOG)
        g_messages.push_back("init " + std::to_string(parameter));
    if (message == WM_PAINT) {
        RECT client{};
        GetClientRect(window, &client);
        g_messages.push_back("paint " + std::to_string(client.right) + "x" + std::to_string(client.bottom));
    }
    if (message == WM_DESTROY)
        g_messages.push_back("destroy");
    return 0;
}

class WindowTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        win32::registerModule(&kImage);
        g_messages.clear();
    }
    void TearDown() override { win32::resetStandIn(); }
};

TEST_F(WindowTableTest, TheHostWindowHasASizeATestCanSet)
{
    const HWND host = win32::hostWindow();
    ASSERT_TRUE(IsWindow(host));
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(host, &rect));
    EXPECT_EQ(rect.right - rect.left, 1024);
    win32::setHostWindowRect({10, 20, 250, 620});
    ASSERT_TRUE(GetClientRect(host, &rect));
    EXPECT_EQ(rect.right, 240);
    EXPECT_EQ(rect.bottom, 600);
    EXPECT_FALSE(DestroyWindow(host)) << "the host's own window stays";
    EXPECT_NE(GetDC(host), nullptr) << "a window draws through the screen's context";
}

TEST_F(WindowTableTest, AModelessDialogIsMadeMovedShownPaintedAndDestroyed)
{
    const HWND window = CreateDialogParamA(&kImage, MAKEINTRESOURCE(9987), win32::hostWindow(), &samplingProc, 7);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(g_messages, std::vector<std::string>{"init 7"});
    EXPECT_FALSE(win32::windowState(window)->visible) << "hidden until shown";

    ASSERT_TRUE(MoveWindow(window, 452, 50, 120, 40, FALSE));
    EXPECT_FALSE(ShowWindow(window, SW_SHOW)) << "it was hidden";
    ASSERT_TRUE(InvalidateRect(window, nullptr, TRUE));
    ASSERT_TRUE(UpdateWindow(window));
    ASSERT_TRUE(UpdateWindow(window)) << "nothing to paint the second time";
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ(rect.left, 452);
    EXPECT_EQ(rect.bottom, 90);

    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(UpdateWindow(window));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(g_messages, (std::vector<std::string>{"init 7", "paint 120x40", "destroy"}));
}

TEST_F(WindowTableTest, AMissingDialogResourceOrUnknownWindowIsRefused)
{
    EXPECT_EQ(CreateDialogParamA(&kImage, MAKEINTRESOURCE(1), nullptr, &samplingProc, 0), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
    const HWND stranger = reinterpret_cast<HWND>(0x77);
    RECT rect{};
    EXPECT_FALSE(GetClientRect(stranger, &rect));
    EXPECT_FALSE(MoveWindow(stranger, 0, 0, 1, 1, TRUE));
    EXPECT_FALSE(ShowWindow(nullptr, SW_SHOW));
    EXPECT_FALSE(DestroyWindow(nullptr));
    EXPECT_EQ(SetFocus(stranger), nullptr);
    EXPECT_TRUE(g_messages.empty());
}

TEST_F(WindowTableTest, ALockedWindowPaintsWhenUnlocked)
{
    const HWND window = CreateDialogParamA(&kImage, MAKEINTRESOURCE(9987), nullptr, &samplingProc, 0);
    ShowWindow(window, SW_SHOW);
    ASSERT_TRUE(LockWindowUpdate(window));
    EXPECT_FALSE(LockWindowUpdate(win32::hostWindow())) << "one window at a time";
    UpdateWindow(window);
    EXPECT_EQ(win32::windowState(window)->paints, 0);
    ASSERT_TRUE(LockWindowUpdate(nullptr));
    EXPECT_EQ(win32::windowState(window)->paints, 1);
    EXPECT_EQ(win32::lockedWindow(), nullptr);
}

TEST_F(WindowTableTest, FocusMovesAndReportsThePreviousWindow)
{
    const HWND host = win32::hostWindow();
    EXPECT_EQ(SetFocus(host), nullptr);
    EXPECT_EQ(GetFocus(), host);
    const HWND window = CreateDialogParamA(&kImage, MAKEINTRESOURCE(9987), nullptr, &samplingProc, 0);
    EXPECT_EQ(SetFocus(window), host);
    DestroyWindow(window);
    EXPECT_EQ(GetFocus(), nullptr) << "a destroyed window loses the focus";
}

TEST_F(WindowTableTest, MenuTextsAreReadByPositionOrByIdAndCut)
{
    HMENU menu = CreateMenu();
    ASSERT_NE(menu, nullptr);
    AppendMenuA(menu, MF_STRING, 0, "Helvetica");
    AppendMenuA(menu, MF_STRING, 12, "Times");
    char buffer[6];
    EXPECT_EQ(GetMenuStringA(menu, 0, buffer, sizeof buffer, MF_BYPOSITION), 5);
    EXPECT_STREQ(buffer, "Helve") << "cut to the buffer, zero-terminated";
    EXPECT_EQ(GetMenuStringA(menu, 12, buffer, sizeof buffer, MF_BYCOMMAND), 5);
    EXPECT_STREQ(buffer, "Times");
    EXPECT_EQ(GetMenuStringA(menu, 0, nullptr, 0, MF_BYPOSITION), 9) << "the length alone";
    EXPECT_EQ(GetMenuStringA(menu, 2, buffer, sizeof buffer, MF_BYPOSITION), 0);
    EXPECT_EQ(GetMenuStringA(reinterpret_cast<HMENU>(0x5555), 0, buffer, sizeof buffer, MF_BYPOSITION), 0);
    DestroyMenu(menu);
}

} // namespace
