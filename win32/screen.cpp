// The screen's resolution, pop-up menus and the shell, as the plug-ins and the host call them.
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "win32/internal.h"
#include "win32/standin.h"

namespace win32 {
namespace {

constexpr int kStandardResolution = 96;
/// Above 32 is what ShellExecuteA answers on success.
constexpr uintptr_t kShellSuccess = 42;

struct ScreenState {
    int resolution = kStandardResolution;
    std::map<HMENU, std::vector<MenuEntry>> menus;
    uintptr_t lastMenu = 0;
    std::vector<ShellExecution> executions;
    std::function<COLORREF(int, int)> pixels;
};

ScreenState& screen()
{
    static ScreenState state;
    return state;
}

std::vector<MenuEntry>* menuOf(HMENU menu)
{
    auto found = screen().menus.find(menu);
    return found == screen().menus.end() ? nullptr : &found->second;
}

} // namespace

void setScreenResolution(int pixelsPerInch)
{
    screen().resolution = pixelsPerInch;
}

int screenResolution()
{
    return screen().resolution;
}

void setScreenPixels(std::function<COLORREF(int x, int y)> pixels)
{
    screen().pixels = std::move(pixels);
}

std::vector<MenuEntry> menuEntries(HMENU menu)
{
    const auto* entries = menuOf(menu);
    return entries ? *entries : std::vector<MenuEntry>{};
}

const std::vector<ShellExecution>& shellExecutions()
{
    return screen().executions;
}

void detail::resetScreen()
{
    screen() = ScreenState{};
}

} // namespace win32

extern "C" int GetDeviceCaps(HDC dc, int index)
{
    if (dc != win32::detail::screenDeviceContext())
        return 0;
    return index == LOGPIXELSX || index == LOGPIXELSY ? win32::screen().resolution : 0;
}

extern "C" COLORREF GetPixel(HDC dc, int x, int y)
{
    if (dc != win32::detail::screenDeviceContext())
        return CLR_INVALID;
    // Copy the source: the host may replace it while it answers.
    auto pixels = win32::screen().pixels;
    return pixels ? pixels(x, y) : RGB(255, 255, 255);
}

extern "C" HMENU CreatePopupMenu()
{
    auto& state = win32::screen();
    const auto menu = reinterpret_cast<HMENU>(++state.lastMenu);
    state.menus[menu];
    return menu;
}

extern "C" BOOL DestroyMenu(HMENU menu)
{
    return win32::screen().menus.erase(menu) != 0 ? TRUE : FALSE;
}

extern "C" BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text)
{
    auto* entries = win32::menuOf(menu);
    if (!entries) {
        win32::detail::setLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const bool separator = (flags & MF_SEPARATOR) != 0;
    entries->push_back({flags, id, separator || !text ? std::string() : std::string(text)});
    return TRUE;
}

extern "C" int GetMenuItemCount(HMENU menu)
{
    const auto* entries = win32::menuOf(menu);
    return entries ? static_cast<int>(entries->size()) : -1;
}

extern "C" HINSTANCE ShellExecuteA(HWND, LPCSTR operation, LPCSTR file, LPCSTR, LPCSTR, INT)
{
    win32::screen().executions.push_back({operation ? operation : "", file ? file : ""});
    return reinterpret_cast<HINSTANCE>(win32::kShellSuccess);
}
