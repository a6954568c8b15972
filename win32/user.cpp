// The user-facing calls: message boxes answered by the host, beeps and mouse hooks.
#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "win32/internal.h"
#include "win32/standin.h"

namespace win32 {
namespace {

struct UserState {
    MessageBoxHandler messageBoxHandler;
    std::vector<UINT> beeps;
    std::vector<Hook> hooks; // newest first
    uintptr_t lastHookId = 0;
};

UserState& user()
{
    static UserState state;
    return state;
}

/// The hook after `from` in calling order that has the same kind, or the first of `kind` when `from` is null.
const Hook* nextHook(int kind, HHOOK from)
{
    const auto& hooks = user().hooks;
    auto start = hooks.begin();
    if (from) {
        start = std::find_if(hooks.begin(), hooks.end(), [&](const Hook& hook) { return hook.id == from; });
        if (start == hooks.end())
            return nullptr;
        ++start;
    }
    auto found = std::find_if(start, hooks.end(), [&](const Hook& hook) { return hook.kind == kind; });
    return found == hooks.end() ? nullptr : &*found;
}

LRESULT callHook(const Hook* hook, int code, WPARAM wParam, LPARAM lParam)
{
    if (!hook)
        return 0;
    // Copy the procedure first: the hook may remove itself while it runs.
    HOOKPROC procedure = hook->procedure;
    return procedure(code, wParam, lParam);
}

} // namespace

void setMessageBoxHandler(MessageBoxHandler handler)
{
    user().messageBoxHandler = std::move(handler);
}

std::vector<int> messageBoxButtons(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

int defaultMessageBoxAnswer(UINT type)
{
    const auto buttons = messageBoxButtons(type);
    const size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

const std::vector<UINT>& beeps()
{
    return user().beeps;
}

void clearBeeps()
{
    user().beeps.clear();
}

std::vector<Hook> hooks()
{
    return user().hooks;
}

LRESULT callHooks(int kind, int code, WPARAM wParam, LPARAM lParam)
{
    return callHook(nextHook(kind, nullptr), code, wParam, lParam);
}

void removeAllHooks()
{
    user().hooks.clear();
}

void detail::resetUser()
{
    user() = UserState{};
}

void resetStandIn()
{
    detail::resetUser();
    detail::resetInput();
    detail::resetClock();
    detail::resetGdi();
    detail::resetScreen();
    detail::resetFiles();
    detail::resetResources();
    detail::setLastError(ERROR_SUCCESS);
}

} // namespace win32

extern "C" int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    // Copy the handler: it may replace itself while it answers.
    auto handler = win32::user().messageBoxHandler;
    if (!handler)
        return win32::defaultMessageBoxAnswer(type);
    return handler(owner, text ? text : "", caption ? caption : "", type);
}

extern "C" BOOL MessageBeep(UINT type)
{
    win32::user().beeps.push_back(type);
    return TRUE;
}

/// The speaker's beep is a beep like any other to whoever listens.
extern "C" BOOL Beep(DWORD, DWORD)
{
    win32::user().beeps.push_back(win32::kSpeakerBeep);
    return TRUE;
}

extern "C" HHOOK SetWindowsHookExA(int kind, HOOKPROC procedure, HINSTANCE instance, DWORD threadId)
{
    if (!procedure) {
        win32::detail::setLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto& state = win32::user();
    auto id = reinterpret_cast<HHOOK>(++state.lastHookId);
    state.hooks.insert(state.hooks.begin(), win32::Hook{id, kind, procedure, instance, threadId});
    return id;
}

extern "C" BOOL UnhookWindowsHookEx(HHOOK hook)
{
    auto& hooks = win32::user().hooks;
    auto found = std::find_if(hooks.begin(), hooks.end(), [&](const win32::Hook& entry) { return entry.id == hook; });
    if (found == hooks.end()) {
        win32::detail::setLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    hooks.erase(found);
    return TRUE;
}

extern "C" LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam)
{
    const auto& hooks = win32::user().hooks;
    auto self = std::find_if(hooks.begin(), hooks.end(), [&](const win32::Hook& entry) { return entry.id == hook; });
    if (self == hooks.end())
        return 0;
    return win32::callHook(win32::nextHook(self->kind, hook), code, wParam, lParam);
}
