// The stand-in's own controls over the Windows layer, called only by the host and by tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "win32/windows.h"
#include "xtapi/records.h"
#include "xtapi/types.h"

namespace win32 {

// ---- Relocatable memory: the blocks behind host handles and GlobalAlloc.

/// Memory errors as GetMemoryError reports them.
inline constexpr int16_t kMemoryOk = 0;
inline constexpr int16_t kMemoryFull = -108;   // not enough room, or a locked block that would have to move
inline constexpr int16_t kNilHandle = -109;    // a null master pointer
inline constexpr int16_t kBadHandle = -111;    // not a handle this memory manager gave out
inline constexpr int16_t kBadSize = -116;      // a negative size
/// The largest block the stand-in hands out; bigger requests fail as a full memory would.
inline constexpr int32_t kMaxBlockSize = 256 * 1024 * 1024;

/// The lock bit of a handle's state byte.
inline constexpr uint8_t kHandleLocked = 0x80;

/// A zero-filled block of `size` bytes behind a new handle; null (and kMemoryFull) when it cannot be made.
xt::Handle newHandle(int32_t size);
void disposeHandle(xt::Handle handle);
/// The block's size, or -1 for something that is not a live handle.
int32_t handleSize(xt::Handle handle);
/// Resizes the block. An unlocked block that grows always moves to a new address (so a pointer kept
/// across the call goes stale, as on the real host); a locked block that would have to grow fails.
bool setHandleSize(xt::Handle handle, int32_t size);
void lockHandle(xt::Handle handle);
void unlockHandle(xt::Handle handle);
uint8_t handleState(xt::Handle handle);
void setHandleState(xt::Handle handle, uint8_t state);
bool isHandle(xt::Handle handle);
/// A new handle holding a copy of the block, or null.
xt::Handle copyHandle(xt::Handle handle);
/// Non-relocatable blocks (NewPointer).
char* newPointer(int32_t size);
void disposePointer(void* pointer);
/// The result of the last memory call.
int16_t memoryError();
/// Sets it, for a host call that fails without reaching the memory manager.
void setMemoryError(int16_t error);

/// Makes the allocation `n` allocations from now fail (n = 1: the next one). Counts new handles,
/// new pointers and blocks that grow.
void failAllocation(int32_t n = 1);
/// Debug switch: every resize of an unlocked block moves it, also when it shrinks.
void setMoveOnEveryResize(bool on);
size_t liveHandleCount();

// ---- Files and paths.

/// The real folder behind "C:\WINDOWS\system32" (GetSystemDirectoryA).
void setSystemDirectory(const std::filesystem::path& folder);
const std::filesystem::path& systemDirectory();
/// The Windows name of the system directory, as GetSystemDirectoryA returns it.
inline constexpr std::string_view kWindowsSystemDirectory = "C:\\WINDOWS\\system32";

/// Maps a path the plug-ins name to a real path:
/// "C:\WINDOWS\system32\VORNE Amplex Presets\a.prf" -> <system directory>/VORNE Amplex Presets/a.prf;
/// any other absolute Windows path ("D:\x", "\x") -> <system directory>/_drives/<drive letter>/x;
/// a relative name -> under the system directory (the stand-in's current folder);
/// a POSIX absolute path ("/tmp/x") is taken as it is (the host's own callers use them).
/// Each existing component is found without regard to case ("default.prf" finds "Default.prf").
/// Refuses (nullopt) an empty path and any ".." component.
std::optional<std::filesystem::path> mapPath(std::string_view windowsPath);

// ---- Module resources.

/// Makes a module's resources known; LoadStringA and LoadBitmapA answer only for known modules.
void registerModule(const xt::ModuleImage* image);
void unregisterModule(const xt::ModuleImage* image);
/// The module's resource of this type and id, or null.
const xt::Resource* findResource(HINSTANCE instance, xt::FourLetterCode type, int32_t id);
/// The resource behind a bitmap handle from LoadBitmapA.
const xt::Resource* bitmapResource(HBITMAP bitmap);

// ---- The user: message boxes, beeps, keys, mouse hooks.

using MessageBoxHandler = std::function<int(HWND owner, const char* text, const char* caption, UINT type)>;
/// The host answers message boxes; with no handler a box takes its default button.
void setMessageBoxHandler(MessageBoxHandler handler);
/// The buttons of a message box style (IDOK, IDCANCEL ...), left to right, and the one it defaults to.
std::vector<int> messageBoxButtons(UINT type);
int defaultMessageBoxAnswer(UINT type);
/// What Beep (the speaker) leaves among the beeps: MessageBeep's "simple beep".
inline constexpr UINT kSpeakerBeep = 0xFFFFFFFF;
/// The sound types of MessageBeep calls, in order.
const std::vector<UINT>& beeps();
void clearBeeps();

/// What GetAsyncKeyState answers for a key from now on (default 0: up); forgets the key's queued changes.
void setAsyncKeyState(int key, SHORT state);
void clearAsyncKeyStates();

/// Input over time. Each key (VK_LBUTTON for the mouse button) has a queue of changes; a change queued
/// with `afterPolls` N is seen from the (N+1)-th poll of that key after the change before it took place
/// (or after it was queued, when nothing else waited). A change of the mouse button may move the cursor.
void queueKeyChange(int key, bool down, int32_t afterPolls, std::optional<POINT> cursor = std::nullopt);
/// A click: the key goes down now with the cursor at `cursor`, and comes up at its second poll, before
/// anything queued.
void pressAndRelease(int key, POINT cursor);
bool isKeyDown(int key);
size_t queuedKeyChanges(int key);
/// One poll of the key, as GetAsyncKeyState makes it (the host's "button still down" query polls too).
SHORT pollKey(int key);
/// A plug-in that polls one state this often with nothing queued is waiting for a change the script never
/// gave: the state flips, so the loop ends, and the problem is noted.
inline constexpr int64_t kMostPollsWithoutChange = 100000;
/// The problems noted since the last call.
std::vector<std::string> takeInputProblems();
/// The cursor in screen pixels (GetCursorPos).
void setCursorPosition(POINT cursor);
POINT cursorPosition();

struct Hook {
    HHOOK id;
    int kind;
    HOOKPROC procedure;
    HINSTANCE instance;
    DWORD threadId;
};
/// The installed hooks, newest first (the order Windows calls them in).
std::vector<Hook> hooks();
/// Calls the newest hook of this kind, which passes the event on with CallNextHookEx; 0 with none.
LRESULT callHooks(int kind, int code, WPARAM wParam, LPARAM lParam);
void removeAllHooks();

// ---- Drawing.

/// One drawing operation as a window received it, in the window's coordinates.
struct DrawnShape {
    enum class Kind { Fill, Frame, Text, Blit };
    Kind kind = Kind::Fill;
    RECT rect{};          // cut to the clipping; for text, the box the text covers
    COLORREF colour = 0;  // the brush's, or the text's
    int hatch = -1;       // the hatch style of the brush, -1 solid
    std::string text;
    std::string fontFace;
    int fontHeight = 0;
    LONG fontWeight = 0;
    bool transparent = false;  // text drawn without its background
    COLORREF background = 0;   // the background behind opaque text
    int32_t bitmap = 0;        // a blit: the resource id of the bitmap copied, 0 for none
};
/// What was drawn into the window's device contexts (GetDC, BeginPaint), in order; null is the screen.
const std::vector<DrawnShape>& windowDrawing(HWND window);
void clearWindowDrawing(HWND window);
/// The cursor SetCursor showed last (null at first).
HCURSOR shownCursor();

// ---- The clock.

/// The local time GetLocalTime reports from now on (the day of the week is worked out); a clock set
/// later moves GetTickCount on by the time between, one set back leaves it.
void setLocalTime(const SYSTEMTIME& time);
SYSTEMTIME localTime();

// ---- The screen, menus and the shell.

/// What GetDeviceCaps answers for LOGPIXELSX and LOGPIXELSY (96 unless set).
void setScreenResolution(int pixelsPerInch);
int screenResolution();
/// What GetPixel reads from the screen: the host draws its windows there (white when nothing is set).
void setScreenPixels(std::function<COLORREF(int x, int y)> pixels);

struct MenuEntry {
    UINT flags;
    UINT_PTR id;
    std::string text; // empty for a separator
};
/// The entries of a menu from CreatePopupMenu, in order; nothing for a handle that is no menu.
std::vector<MenuEntry> menuEntries(HMENU menu);

struct ShellExecution {
    std::string operation;
    std::string file;
};
/// The ShellExecuteA calls, in order; nothing is opened.
const std::vector<ShellExecution>& shellExecutions();

/// The font families EnumFontFamiliesA reports, in this order; the host gives its own at start.
void setFontFamilies(std::vector<std::string> names);

/// Forgets every handler, beep, key state, hook, search and module (the memory blocks stay).
void resetStandIn();

} // namespace win32
