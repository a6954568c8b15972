// Windows by handle: the host's main window and the modeless dialogs the plug-ins make from their resources.
#include <cstring>
#include <map>

#include "win32/internal.h"
#include "win32/standin.h"
#include "xtapi/dialogs.h"

namespace win32 {
namespace {

/// The main window of the host as a 1024 x 768 screen shows it, below a title bar.
constexpr RECT kHostWindowRect{0, 0, 1024, 768};

struct WindowTable {
    std::map<HWND, WindowState> windows;
    uintptr_t last = 0;
    HWND host = nullptr;
    HWND focus = nullptr;
    HWND locked = nullptr;
};

WindowTable& table()
{
    static WindowTable state;
    return state;
}

HWND newWindowHandle()
{
    // Distinct from null and from small integers that a careless caller might pass.
    return reinterpret_cast<HWND>(0x10000 + 0x10 * ++table().last);
}

WindowState* stateOf(HWND window)
{
    auto found = table().windows.find(window);
    return found == table().windows.end() ? nullptr : &found->second;
}

WindowState* refuse()
{
    detail::setLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

HWND hostWindowHandle();

/// The window behind a handle (the host's main window made on first use), or null and ERROR_INVALID_HANDLE.
WindowState* known(HWND window)
{
    hostWindowHandle();
    WindowState* state = window ? stateOf(window) : nullptr;
    return state ? state : refuse();
}

LRESULT send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WindowState* state = stateOf(window);
    return state && state->procedure ? state->procedure(window, message, wParam, lParam) : 0;
}

const xt::DialogTemplateHeader* dialogHeader(HINSTANCE instance, LPCSTR name)
{
    if (!IS_INTRESOURCE(name))
        return nullptr;
    const auto id = static_cast<int32_t>(reinterpret_cast<ULONG_PTR>(name));
    const xt::Resource* resource = findResource(instance, xt::kResourceDialog, id);
    if (!resource || resource->size < sizeof(xt::DialogTemplateHeader))
        return nullptr;
    return static_cast<const xt::DialogTemplateHeader*>(resource->data);
}

HWND hostWindowHandle()
{
    auto& state = table();
    if (!state.host) {
        state.host = newWindowHandle();
        WindowState& host = state.windows[state.host];
        host.rect = kHostWindowRect;
        host.visible = true;
        host.title = "VORNE Layout";
    }
    return state.host;
}

} // namespace

HWND hostWindow()
{
    return hostWindowHandle();
}

void setHostWindowRect(const RECT& rect)
{
    stateOf(hostWindow())->rect = rect;
}

const WindowState* windowState(HWND window)
{
    return stateOf(window);
}

std::vector<HWND> openWindows()
{
    std::vector<HWND> windows;
    for (const auto& [handle, state] : table().windows)
        windows.push_back(handle);
    return windows;
}

HWND lockedWindow()
{
    return table().locked;
}

void detail::resetWindows()
{
    table() = WindowTable{};
}

} // namespace win32

extern "C" HWND CreateDialogParamA(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC procedure, LPARAM parameter)
{
    const xt::DialogTemplateHeader* header = win32::dialogHeader(instance, name);
    if (!header) {
        win32::detail::setLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const HWND window = win32::newWindowHandle();
    win32::WindowState& state = win32::table().windows[window];
    state.rect = {0, 0, header->width, header->height};
    state.procedure = procedure;
    state.parent = parent;
    state.title.assign(header->title, strnlen(header->title, sizeof header->title));
    state.resourceId = static_cast<int32_t>(reinterpret_cast<ULONG_PTR>(name));
    win32::send(window, WM_INITDIALOG, 0, parameter);
    return window;
}

extern "C" BOOL DestroyWindow(HWND window)
{
    auto& table = win32::table();
    if (!win32::known(window) || window == table.host)
        return FALSE;
    win32::send(window, WM_DESTROY, 0, 0);
    table.windows.erase(window);
    if (table.focus == window)
        table.focus = nullptr;
    if (table.locked == window)
        table.locked = nullptr;
    return TRUE;
}

extern "C" BOOL IsWindow(HWND window)
{
    win32::hostWindow();
    return window && win32::stateOf(window) ? TRUE : FALSE;
}

extern "C" BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint)
{
    win32::WindowState* state = win32::known(window);
    if (!state || width < 0 || height < 0)
        return FALSE;
    state->rect = {x, y, x + width, y + height};
    if (repaint)
        state->invalid = true;
    return TRUE;
}

extern "C" BOOL ShowWindow(HWND window, int command)
{
    win32::WindowState* state = win32::known(window);
    if (!state)
        return FALSE;
    const BOOL wasVisible = state->visible ? TRUE : FALSE;
    state->visible = command != SW_HIDE;
    if (state->visible)
        state->invalid = true;
    return wasVisible;
}

extern "C" BOOL GetWindowRect(HWND window, LPRECT rect)
{
    const win32::WindowState* state = win32::known(window);
    if (!state || !rect)
        return FALSE;
    *rect = state->rect;
    return TRUE;
}

extern "C" BOOL GetClientRect(HWND window, LPRECT rect)
{
    const win32::WindowState* state = win32::known(window);
    if (!state || !rect)
        return FALSE;
    *rect = {0, 0, state->rect.right - state->rect.left, state->rect.bottom - state->rect.top};
    return TRUE;
}

extern "C" BOOL InvalidateRect(HWND window, const RECT*, BOOL)
{
    win32::WindowState* state = win32::known(window);
    if (!state)
        return FALSE;
    state->invalid = true;
    return TRUE;
}

extern "C" BOOL UpdateWindow(HWND window)
{
    win32::WindowState* state = win32::known(window);
    if (!state)
        return FALSE;
    // A locked window is drawn when it is unlocked.
    if (!state->invalid || !state->visible || win32::table().locked == window)
        return TRUE;
    state->invalid = false;
    ++state->paints;
    win32::send(window, WM_PAINT, 0, 0);
    return TRUE;
}

extern "C" BOOL LockWindowUpdate(HWND window)
{
    auto& table = win32::table();
    if (!window) {
        const HWND unlocked = table.locked;
        table.locked = nullptr;
        if (unlocked)
            UpdateWindow(unlocked);
        return TRUE;
    }
    if (!IsWindow(window) || (table.locked && table.locked != window))
        return FALSE;
    table.locked = window;
    return TRUE;
}

extern "C" HWND SetFocus(HWND window)
{
    auto& table = win32::table();
    if (window && !win32::known(window))
        return nullptr;
    const HWND previous = table.focus;
    table.focus = window;
    return previous;
}

extern "C" HWND GetFocus()
{
    return win32::table().focus;
}
