// The Windows calls the plug-ins make, with their Windows names and types, answered on POSIX by the stand-in.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/records.h"
#include "xtapi/types.h"

using BOOL = int;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = unsigned int;
using LONG = int32_t;
using SHORT = int16_t;
using SIZE_T = size_t;
using ULONG_PTR = uintptr_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using CHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;

using HANDLE = void*;
using HGLOBAL = xt::Handle;
using HINSTANCE = const xt::ModuleImage*;
using HMODULE = HINSTANCE;
struct HWND__;
using HWND = HWND__*;
struct HBITMAP__;
using HBITMAP = HBITMAP__*;
struct HHOOK__;
using HHOOK = HHOOK__*;
struct HDC__;
using HDC = HDC__*;
struct HMENU__;
using HMENU = HMENU__*;
using UINT_PTR = uintptr_t;
using INT = int;
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

#define WINAPI
#define CALLBACK

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
inline constexpr DWORD MAX_PATH = 260;
inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));

/// Resource names given as numbers.
inline LPCSTR MAKEINTRESOURCEA(WORD id) { return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(id)); }
#define MAKEINTRESOURCE(id) MAKEINTRESOURCEA(static_cast<WORD>(id))
inline bool IS_INTRESOURCE(LPCSTR name) { return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0; }

// Memory.
inline constexpr UINT GMEM_FIXED = 0x0000;
inline constexpr UINT GMEM_MOVEABLE = 0x0002;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// Message boxes and their answers.
inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_OKCANCEL = 0x0001;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x0002;
inline constexpr UINT MB_YESNOCANCEL = 0x0003;
inline constexpr UINT MB_YESNO = 0x0004;
inline constexpr UINT MB_RETRYCANCEL = 0x0005;
inline constexpr UINT MB_ICONHAND = 0x0010;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONQUESTION = 0x0020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x0030;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONASTERISK = 0x0040;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr UINT MB_DEFBUTTON1 = 0x0000;
inline constexpr UINT MB_DEFBUTTON2 = 0x0100;
inline constexpr UINT MB_DEFBUTTON3 = 0x0200;
inline constexpr UINT MB_APPLMODAL = 0x0000;
inline constexpr UINT MB_SYSTEMMODAL = 0x1000;
inline constexpr UINT MB_TASKMODAL = 0x2000;
inline constexpr UINT MB_TYPEMASK = 0x000F;
inline constexpr UINT MB_ICONMASK = 0x00F0;
inline constexpr UINT MB_DEFMASK = 0x0F00;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Errors reported by GetLastError.
inline constexpr DWORD ERROR_SUCCESS = 0;
inline constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
inline constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
inline constexpr DWORD ERROR_ACCESS_DENIED = 5;
inline constexpr DWORD ERROR_INVALID_HANDLE = 6;
inline constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
inline constexpr DWORD ERROR_NO_MORE_FILES = 18;
inline constexpr DWORD ERROR_FILE_EXISTS = 80;
inline constexpr DWORD ERROR_INVALID_PARAMETER = 87;
inline constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr DWORD ERROR_INVALID_NAME = 123;
inline constexpr DWORD ERROR_ALREADY_EXISTS = 183;
inline constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

// Files.
inline constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x0001;
inline constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x0010;
inline constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x0020;
inline constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x0080;

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
};
using LPWIN32_FIND_DATAA = WIN32_FIND_DATAA*;

// Mouse hooks and keys.
inline constexpr int WH_MOUSE = 7;
inline constexpr int HC_ACTION = 0;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;
inline constexpr int VK_ESCAPE = 0x1B;

struct POINT {
    LONG x;
    LONG y;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPRECT = RECT*;
struct MOUSEHOOKSTRUCT {
    POINT pt;
    HWND hwnd;
    UINT wHitTestCode;
    ULONG_PTR dwExtraInfo;
};

using HOOKPROC = LRESULT (*)(int code, WPARAM wParam, LPARAM lParam);

// Colours: 0x00bbggrr.
using COLORREF = DWORD;
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue)
{
    return static_cast<COLORREF>(red) | static_cast<COLORREF>(green) << 8 | static_cast<COLORREF>(blue) << 16;
}
constexpr BYTE GetRValue(COLORREF colour) { return static_cast<BYTE>(colour & 0xFF); }
constexpr BYTE GetGValue(COLORREF colour) { return static_cast<BYTE>((colour >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF colour) { return static_cast<BYTE>((colour >> 16) & 0xFF); }

// Drawing (GDI): objects a device context selects, recorded as they are drawn.
struct HGDIOBJ__;
using HGDIOBJ = HGDIOBJ__*;
using HBRUSH = HGDIOBJ;
using HFONT = HGDIOBJ;
using HRGN = HGDIOBJ;
using HPEN = HGDIOBJ;
struct HICON__;
using HCURSOR = HICON__*;
inline const HGDIOBJ HGDI_ERROR = reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(-1));
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;
inline constexpr int ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int HS_HORIZONTAL = 0;
inline constexpr int HS_DIAGCROSS = 5;
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_BOLD = 700;
inline constexpr WORD IDC_ARROW = 32512;
inline constexpr WORD IDC_CROSS = 32515;

struct SIZE {
    LONG cx;
    LONG cy;
};

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

/// What GetObjectA writes for a bitmap; its first 24 bytes are what a 32-bit caller asks for.
struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

// The screen's device context.
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;

// Menus.
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_SEPARATOR = 0x0800;

// Fonts: what EnumFontFamiliesA reports of each family.
inline constexpr DWORD RASTER_FONTTYPE = 0x0001;
inline constexpr DWORD DEVICE_FONTTYPE = 0x0002;
inline constexpr DWORD TRUETYPE_FONTTYPE = 0x0004;
inline constexpr int LF_FACESIZE = 32;
inline constexpr BYTE ANSI_CHARSET = 0;
inline constexpr BYTE DEFAULT_PITCH = 0;

struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
};

struct TEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};

using FONTENUMPROCA = int (*)(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType, LPARAM data);

// Time: the local time, and the formats of dates and times.
struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek; // 0 Sunday
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
using LCID = DWORD;
inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
inline constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
inline constexpr DWORD DATE_SHORTDATE = 0x0001;
inline constexpr DWORD DATE_LONGDATE = 0x0002;
inline constexpr DWORD TIME_NOMINUTESORSECONDS = 0x0001;
inline constexpr DWORD TIME_NOSECONDS = 0x0002;
inline constexpr DWORD TIME_FORCE24HOURFORMAT = 0x0008;

// Shell: ShellExecuteA's show command, and its answers above 32 meaning success.
inline constexpr INT SW_SHOWNORMAL = 1;

extern "C" {

// kernel32
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
/// Returns null on success, the handle when it could not be freed.
HGLOBAL GlobalFree(HGLOBAL memory);
UINT GetSystemDirectoryA(LPSTR buffer, UINT size);
BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES attributes);
BOOL CopyFileA(LPCSTR existing, LPCSTR target, BOOL failIfExists);
BOOL DeleteFileA(LPCSTR path);
HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data);
BOOL FindNextFileA(HANDLE search, LPWIN32_FIND_DATAA data);
BOOL FindClose(HANDLE search);
DWORD GetLastError();
void SetLastError(DWORD error);
DWORD GetCurrentThreadId();
/// The host's clock (set by the session), not the machine's.
void GetLocalTime(SYSTEMTIME* time);
/// Milliseconds of the host's clock since the session began; each call moves the clock on by one, so a
/// loop that waits on it ends.
DWORD GetTickCount();
/// The date or time (null: the host's clock now) in the format given, or in the user's short or long
/// form (US English); the characters written with the final zero, or the room needed when `size` is 0,
/// or 0 when the buffer is too small (ERROR_INSUFFICIENT_BUFFER) or the date is not a day of the calendar.
int GetDateFormatA(LCID locale, DWORD flags, const SYSTEMTIME* date, LPCSTR format, LPSTR buffer, int size);
int GetTimeFormatA(LCID locale, DWORD flags, const SYSTEMTIME* time, LPCSTR format, LPSTR buffer, int size);
int lstrcmpA(LPCSTR a, LPCSTR b);
int lstrcmpiA(LPCSTR a, LPCSTR b);
int lstrlenA(LPCSTR text);
LPSTR lstrcpyA(LPSTR target, LPCSTR source);
LPSTR lstrcpynA(LPSTR target, LPCSTR source, int size);
LPSTR lstrcatA(LPSTR target, LPCSTR source);

// user32
int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size);
HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name);
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
BOOL MessageBeep(UINT type);
/// The key's state now (the high bit set while it is down), as the host's input timeline has it at this poll.
SHORT GetAsyncKeyState(int key);
BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);
HHOOK SetWindowsHookExA(int kind, HOOKPROC procedure, HINSTANCE instance, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
/// The screen's device context for a null window, else the window's own, whose drawing is recorded.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
int GetDeviceCaps(HDC dc, int index);
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text);
int GetMenuItemCount(HMENU menu);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
/// A system cursor (a null instance and an IDC_ number) or the module's cursor resource; null when none.
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
/// Shows the cursor; returns the one shown before.
HCURSOR SetCursor(HCURSOR cursor);
// kernel32, the speaker
BOOL Beep(DWORD frequency, DWORD duration);
// gdi32
HBRUSH CreateSolidBrush(COLORREF colour);
HBRUSH CreateHatchBrush(int style, COLORREF colour);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
    DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
    LPCSTR face);
HRGN CreateRectRgn(int left, int top, int right, int bottom);
/// The object the context held before of the same kind; for a region, the region's kind (SIMPLEREGION).
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
/// A null region takes the clipping away (NULLREGION); ERROR for something that is not a region.
int SelectClipRgn(HDC dc, HRGN region);
BOOL DeleteObject(HGDIOBJ object);
int SetBkMode(HDC dc, int mode);
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF SetTextColor(HDC dc, COLORREF colour);
BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length);
/// The text's width and height in the selected font: every character as wide as GetCharWidth32A says.
BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, SIZE* size);
BOOL GetCharWidth32A(HDC dc, UINT first, UINT last, INT* widths);
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
/// A bitmap's BITMAP (at least 24 bytes), a font's LOGFONTA; the bytes written, 0 for an unknown object.
int GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD operation);
/// The colour of the screen's pixel (the screen's device context only); CLR_INVALID elsewhere.
COLORREF GetPixel(HDC dc, int x, int y);
/// Calls `procedure` once per font family the host offers (TrueType fonts), or once for the family
/// named (without regard to case) when `family` is not null, until it returns 0; returns its last answer
/// (1 when it was not called).
int EnumFontFamiliesA(HDC dc, LPCSTR family, FONTENUMPROCA procedure, LPARAM data);

// shell32
HINSTANCE ShellExecuteA(HWND window, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show);

} // extern "C"
