// Resources, message boxes, beeps, key state and mouse hooks of the Windows layer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/standin.h"
#include "win32/windows.h"

namespace {

class UserTest : public ::testing::Test {
protected:
    void TearDown() override { win32::resetStandIn(); }
};

const char kTitle[] = "VORNE Amplex Presets";
const char kUnterminated[3] = {'a', 'b', 'c'};
const xt::Resource kResources[] = {
    {xt::kResourceString, 20013, kTitle, sizeof kTitle},
    {xt::kResourceString, 7, kUnterminated, sizeof kUnterminated},
    {xt::kResourceBitmap, 102, kTitle, 4},
};
const xt::ModuleImage kImage{xt::kModuleImageVersion, nullptr, kResources, 3};

TEST_F(UserTest, LoadStringCopiesWhatFitsAndWritesEmptyForAMissingId)
{
    win32::registerModule(&kImage);
    char buffer[256] = "stale";
    EXPECT_EQ(LoadStringA(&kImage, 20013, buffer, sizeof buffer), 20);
    EXPECT_STREQ(buffer, "VORNE Amplex Presets");

    char small[6];
    EXPECT_EQ(LoadStringA(&kImage, 20013, small, sizeof small), 5);
    EXPECT_STREQ(small, "VORNE");

    EXPECT_EQ(LoadStringA(&kImage, 20023, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "") << "a missing id leaves an empty string, never the old text";

    EXPECT_EQ(LoadStringA(&kImage, 7, buffer, sizeof buffer), 3) << "a text without its zero ends with the resource";
    EXPECT_STREQ(buffer, "abc");

    win32::unregisterModule(&kImage);
    EXPECT_EQ(LoadStringA(&kImage, 20013, buffer, sizeof buffer), 0) << "an unknown module has no strings";
}

TEST_F(UserTest, LoadBitmapByNumber)
{
    win32::registerModule(&kImage);
    HBITMAP bitmap = LoadBitmapA(&kImage, MAKEINTRESOURCE(102));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(win32::bitmapResource(bitmap), &kResources[2]);
    EXPECT_EQ(LoadBitmapA(&kImage, MAKEINTRESOURCE(103)), nullptr);
    EXPECT_EQ(LoadBitmapA(&kImage, "BANNER"), nullptr);
}

TEST_F(UserTest, MessageBoxGoesToTheHandlerOrTakesItsDefault)
{
    EXPECT_EQ(MessageBoxA(nullptr, "x", "VORNE", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "x", "VORNE", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "x", "VORNE", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);

    std::vector<std::string> seen;
    win32::setMessageBoxHandler([&](HWND, const char* text, const char* caption, UINT type) {
        seen.push_back(std::string(caption) + ": " + text + " " + std::to_string(type));
        return IDCANCEL;
    });
    EXPECT_EQ(MessageBoxA(nullptr, "Sorry!", "VORNE", MB_ICONWARNING), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_OK), IDCANCEL);
    EXPECT_EQ(seen, (std::vector<std::string>{"VORNE: Sorry! 48", ":  0"}));
}

TEST_F(UserTest, BeepsAndKeysAreRecordedAndAnswered)
{
    MessageBeep(MB_ICONEXCLAMATION);
    MessageBeep(MB_OK);
    EXPECT_EQ(win32::beeps(), (std::vector<UINT>{MB_ICONEXCLAMATION, MB_OK}));
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0);
    win32::setAsyncKeyState(VK_LBUTTON, static_cast<SHORT>(0x8000));
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), static_cast<SHORT>(0x8000));
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
}

std::vector<std::string> g_hookCalls;
HHOOK g_older = nullptr;
HHOOK g_newer = nullptr;

LRESULT CALLBACK olderHook(int code, WPARAM message, LPARAM info)
{
    g_hookCalls.push_back("older " + std::to_string(message));
    return CallNextHookEx(g_older, code, message, info);
}

LRESULT CALLBACK newerHook(int code, WPARAM message, LPARAM info)
{
    g_hookCalls.push_back("newer " + std::to_string(message));
    return CallNextHookEx(g_newer, code, message, info) + 1;
}

TEST_F(UserTest, MouseHooksRunNewestFirstAndPassTheEventOn)
{
    g_hookCalls.clear();
    g_older = SetWindowsHookExA(WH_MOUSE, &olderHook, nullptr, GetCurrentThreadId());
    g_newer = SetWindowsHookExA(WH_MOUSE, &newerHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(g_older, nullptr);
    ASSERT_EQ(win32::hooks().size(), 2u);
    MOUSEHOOKSTRUCT mouse{{10, 20}, nullptr, 0, 0};
    EXPECT_EQ(win32::callHooks(WH_MOUSE, HC_ACTION, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&mouse)), 1);
    EXPECT_EQ(g_hookCalls, (std::vector<std::string>{"newer 513", "older 513"}));

    EXPECT_TRUE(UnhookWindowsHookEx(g_newer));
    EXPECT_FALSE(UnhookWindowsHookEx(g_newer));
    g_hookCalls.clear();
    win32::callHooks(WH_MOUSE, HC_ACTION, WM_LBUTTONUP, 0);
    EXPECT_EQ(g_hookCalls, (std::vector<std::string>{"older 514"}));
    EXPECT_EQ(SetWindowsHookExA(WH_MOUSE, nullptr, nullptr, 0), nullptr);
}

} // namespace
