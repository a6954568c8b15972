// Drawing: device contexts of the screen, of windows and in memory, the brushes, fonts, regions and
// bitmaps they select, and what each window had drawn into it, kept so that a test can read it back
// and a session can save it as a picture.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "win32/internal.h"
#include "win32/standin.h"

namespace win32 {
namespace {

/// Handles are numbers in a band of their own, so that a stray pointer is never taken for one.
constexpr uintptr_t kFirstHandle = 0x6D000000;
/// The font a context starts with, as Windows' system font.
constexpr LONG kSystemFontHeight = 16;

enum class ObjectKind { Brush, Font, Region };

/// What a new context holds before anything is selected into it, as Windows' stock objects; selecting
/// one back puts the default back.
const HGDIOBJ kStockBrush = reinterpret_cast<HGDIOBJ>(kFirstHandle - 1);
const HGDIOBJ kStockFont = reinterpret_cast<HGDIOBJ>(kFirstHandle - 2);
const HBITMAP kStockBitmap = reinterpret_cast<HBITMAP>(kFirstHandle - 3);

struct GdiObject {
    ObjectKind kind = ObjectKind::Brush;
    COLORREF colour = 0;
    int hatch = -1;
    LOGFONTA font{};
    RECT rect{};
};

struct DeviceContext {
    enum class Kind { Screen, Window, Memory } kind = Kind::Screen;
    HWND window = nullptr;
    HGDIOBJ brush = kStockBrush;
    HGDIOBJ font = kStockFont;
    HBITMAP bitmap = kStockBitmap;
    std::optional<RECT> clip;
    int backgroundMode = OPAQUE;
    COLORREF backgroundColour = RGB(255, 255, 255);
    COLORREF textColour = RGB(0, 0, 0);
};

struct GdiState {
    uintptr_t lastHandle = kFirstHandle;
    std::map<HGDIOBJ, GdiObject> objects;
    std::map<HDC, DeviceContext> contexts;
    std::map<HWND, HDC> windowContexts;
    std::map<HWND, std::vector<DrawnShape>> drawings;
    HCURSOR cursor = nullptr;
    std::vector<HCURSOR> cursorsShown;
};

GdiState& gdi()
{
    static GdiState state;
    return state;
}

uintptr_t nextHandle()
{
    return ++gdi().lastHandle;
}

DeviceContext contextFor(DeviceContext::Kind kind, HWND window = nullptr)
{
    DeviceContext context{};
    context.kind = kind;
    context.window = window;
    return context;
}

DrawnShape shapeOf(DrawnShape::Kind kind, const RECT& rect, COLORREF colour, int hatch = -1)
{
    DrawnShape shape;
    shape.kind = kind;
    shape.rect = rect;
    shape.colour = colour;
    shape.hatch = hatch;
    return shape;
}

GdiObject objectFor(ObjectKind kind, COLORREF colour = 0, int hatch = -1)
{
    GdiObject object{};
    object.kind = kind;
    object.colour = colour;
    object.hatch = hatch;
    return object;
}

HGDIOBJ addObject(GdiObject object)
{
    const auto handle = reinterpret_cast<HGDIOBJ>(nextHandle());
    gdi().objects.emplace(handle, std::move(object));
    return handle;
}

const GdiObject* objectOf(HGDIOBJ handle, ObjectKind kind)
{
    const auto found = gdi().objects.find(handle);
    return found != gdi().objects.end() && found->second.kind == kind ? &found->second : nullptr;
}

HDC addContext(DeviceContext context)
{
    const auto handle = reinterpret_cast<HDC>(nextHandle());
    gdi().contexts.emplace(handle, context);
    return handle;
}

DeviceContext* contextOf(HDC dc)
{
    if (dc == detail::screenDeviceContext()) {
        const auto place = gdi().contexts.try_emplace(dc, contextFor(DeviceContext::Kind::Screen)).first;
        return &place->second;
    }
    const auto found = gdi().contexts.find(dc);
    return found == gdi().contexts.end() ? nullptr : &found->second;
}

HDC windowContext(HWND window)
{
    auto& contexts = gdi().windowContexts;
    const auto found = contexts.find(window);
    if (found != contexts.end())
        return found->second;
    const HDC dc = addContext(contextFor(DeviceContext::Kind::Window, window));
    contexts.emplace(window, dc);
    return dc;
}

/// The rectangle cut to the context's clipping; nullopt when nothing of it is left.
std::optional<RECT> clipped(const DeviceContext& context, RECT rect)
{
    if (context.clip) {
        rect.left = std::max(rect.left, context.clip->left);
        rect.top = std::max(rect.top, context.clip->top);
        rect.right = std::min(rect.right, context.clip->right);
        rect.bottom = std::min(rect.bottom, context.clip->bottom);
    }
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return std::nullopt;
    return rect;
}

/// Drawing into a memory context lands in its bitmap, which the stand-in does not keep.
void record(const DeviceContext& context, DrawnShape shape)
{
    if (context.kind == DeviceContext::Kind::Memory)
        return;
    gdi().drawings[context.kind == DeviceContext::Kind::Window ? context.window : nullptr].push_back(std::move(shape));
}

LOGFONTA fontOf(const DeviceContext& context)
{
    if (const GdiObject* font = objectOf(context.font, ObjectKind::Font))
        return font->font;
    LOGFONTA system{};
    system.lfHeight = kSystemFontHeight;
    system.lfWeight = FW_BOLD;
    std::strcpy(system.lfFaceName, "System");
    return system;
}

/// A character's width in a font: a fixed share of the font's height by the character's shape, so that
/// measuring and drawing agree on every machine.
LONG characterWidth(const LOGFONTA& font, unsigned char c)
{
    static const std::string kNarrow = "iljtfrI!|.,:;'`";
    static const std::string kWide = "mwMW@";
    double share = 0.5;
    if (c == ' ')
        share = 0.28;
    else if (kNarrow.find(static_cast<char>(c)) != std::string::npos)
        share = 0.3;
    else if (kWide.find(static_cast<char>(c)) != std::string::npos)
        share = 0.85;
    else if (c >= 'A' && c <= 'Z')
        share = 0.65;
    else if (c >= '0' && c <= '9')
        share = 0.55;
    const double height = std::abs(font.lfHeight == 0 ? kSystemFontHeight : font.lfHeight);
    const double bold = font.lfWeight >= FW_BOLD ? 1.1 : 1.0;
    return std::max<LONG>(1, static_cast<LONG>(std::lround(height * share * bold)));
}

/// The bitmap's width and height from its resource: a BITMAPINFOHEADER (40 bytes) or a file's header before it.
std::pair<LONG, LONG> bitmapSize(HBITMAP bitmap)
{
    const xt::Resource* resource = bitmapResource(bitmap);
    if (!resource || !resource->data)
        return {0, 0};
    const auto* bytes = static_cast<const uint8_t*>(resource->data);
    size_t header = 0;
    if (resource->size >= 14 && bytes[0] == 'B' && bytes[1] == 'M')
        header = 14;
    if (resource->size < header + 12)
        return {0, 0};
    int32_t width = 0;
    int32_t height = 0;
    std::memcpy(&width, bytes + header + 4, sizeof width);
    std::memcpy(&height, bytes + header + 8, sizeof height);
    return {std::abs(width), std::abs(height)};
}

HGDIOBJ replaceSelected(HGDIOBJ& slot, HGDIOBJ object)
{
    return std::exchange(slot, object);
}

} // namespace

const std::vector<DrawnShape>& windowDrawing(HWND window)
{
    return gdi().drawings[window];
}

void clearWindowDrawing(HWND window)
{
    gdi().drawings.erase(window);
}

HCURSOR shownCursor()
{
    return gdi().cursor;
}

HDC detail::screenDeviceContext()
{
    static char screenMark;
    return reinterpret_cast<HDC>(&screenMark);
}

void detail::resetGdi()
{
    gdi() = GdiState{};
}

} // namespace win32

using win32::DeviceContext;
using win32::DrawnShape;

extern "C" HDC GetDC(HWND window)
{
    if (!window)
        return win32::detail::screenDeviceContext();
    return win32::windowContext(window);
}

extern "C" int ReleaseDC(HWND, HDC dc)
{
    return win32::contextOf(dc) ? 1 : 0;
}

extern "C" HDC BeginPaint(HWND window, PAINTSTRUCT* paint)
{
    if (!window || !paint) {
        win32::detail::setLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    *paint = PAINTSTRUCT{};
    paint->hdc = win32::windowContext(window);
    paint->fErase = TRUE;
    return paint->hdc;
}

extern "C" BOOL EndPaint(HWND window, const PAINTSTRUCT* paint)
{
    return window && paint ? TRUE : FALSE;
}

extern "C" HBRUSH CreateSolidBrush(COLORREF colour)
{
    return win32::addObject(win32::objectFor(win32::ObjectKind::Brush, colour));
}

extern "C" HBRUSH CreateHatchBrush(int style, COLORREF colour)
{
    return win32::addObject(win32::objectFor(win32::ObjectKind::Brush, colour, style));
}

extern "C" HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
    DWORD underline, DWORD strikeOut, DWORD charSet, DWORD, DWORD, DWORD, DWORD, LPCSTR face)
{
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight == 0 ? FW_NORMAL : weight;
    font.lfItalic = static_cast<BYTE>(italic != 0);
    font.lfUnderline = static_cast<BYTE>(underline != 0);
    font.lfStrikeOut = static_cast<BYTE>(strikeOut != 0);
    font.lfCharSet = static_cast<BYTE>(charSet);
    const size_t faceLength = face ? strnlen(face, LF_FACESIZE - 1) : 0;
    std::memcpy(font.lfFaceName, face ? face : "", faceLength);
    win32::GdiObject object = win32::objectFor(win32::ObjectKind::Font);
    object.font = font;
    return win32::addObject(object);
}

extern "C" HRGN CreateRectRgn(int left, int top, int right, int bottom)
{
    win32::GdiObject region = win32::objectFor(win32::ObjectKind::Region);
    region.rect = RECT{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    return win32::addObject(region);
}

extern "C" HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    DeviceContext* context = win32::contextOf(dc);
    if (!context || !object)
        return nullptr;
    if (object == win32::kStockBrush)
        return win32::replaceSelected(context->brush, object);
    if (object == win32::kStockFont)
        return win32::replaceSelected(context->font, object);
    const auto asBitmap = reinterpret_cast<HBITMAP>(object);
    if (asBitmap == win32::kStockBitmap || win32::bitmapResource(asBitmap)) {
        if (context->kind != DeviceContext::Kind::Memory)
            return nullptr;
        return reinterpret_cast<HGDIOBJ>(std::exchange(context->bitmap, asBitmap));
    }
    const auto found = win32::gdi().objects.find(object);
    if (found == win32::gdi().objects.end())
        return nullptr;
    switch (found->second.kind) {
    case win32::ObjectKind::Brush:
        return win32::replaceSelected(context->brush, object);
    case win32::ObjectKind::Font:
        return win32::replaceSelected(context->font, object);
    case win32::ObjectKind::Region:
        return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(SelectClipRgn(dc, object)));
    }
    return nullptr;
}

extern "C" int SelectClipRgn(HDC dc, HRGN region)
{
    DeviceContext* context = win32::contextOf(dc);
    if (!context)
        return ERROR;
    if (!region) {
        context->clip.reset();
        return NULLREGION;
    }
    const win32::GdiObject* found = win32::objectOf(region, win32::ObjectKind::Region);
    if (!found)
        return ERROR;
    context->clip = found->rect;
    return SIMPLEREGION;
}

extern "C" BOOL DeleteObject(HGDIOBJ object)
{
    return win32::gdi().objects.erase(object) != 0 ? TRUE : FALSE;
}

extern "C" int SetBkMode(HDC dc, int mode)
{
    DeviceContext* context = win32::contextOf(dc);
    if (!context || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    return std::exchange(context->backgroundMode, mode);
}

extern "C" COLORREF SetBkColor(HDC dc, COLORREF colour)
{
    DeviceContext* context = win32::contextOf(dc);
    return context ? std::exchange(context->backgroundColour, colour) : CLR_INVALID;
}

extern "C" COLORREF SetTextColor(HDC dc, COLORREF colour)
{
    DeviceContext* context = win32::contextOf(dc);
    return context ? std::exchange(context->textColour, colour) : CLR_INVALID;
}

extern "C" int FillRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    DeviceContext* context = win32::contextOf(dc);
    const win32::GdiObject* paint = win32::objectOf(brush, win32::ObjectKind::Brush);
    if (!context || !rect || !paint)
        return 0;
    if (const auto shown = win32::clipped(*context, *rect))
        win32::record(*context, win32::shapeOf(DrawnShape::Kind::Fill, *shown, paint->colour, paint->hatch));
    return 1;
}

extern "C" int FrameRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    DeviceContext* context = win32::contextOf(dc);
    const win32::GdiObject* paint = win32::objectOf(brush, win32::ObjectKind::Brush);
    if (!context || !rect || !paint)
        return 0;
    if (const auto shown = win32::clipped(*context, *rect))
        win32::record(*context, win32::shapeOf(DrawnShape::Kind::Frame, *shown, paint->colour, paint->hatch));
    return 1;
}

extern "C" BOOL GetCharWidth32A(HDC dc, UINT first, UINT last, INT* widths)
{
    DeviceContext* context = win32::contextOf(dc);
    if (!context || !widths || last < first || last > 255) {
        win32::detail::setLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const LOGFONTA font = win32::fontOf(*context);
    for (UINT c = first; c <= last; ++c)
        widths[c - first] = win32::characterWidth(font, static_cast<unsigned char>(c));
    return TRUE;
}

extern "C" BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, SIZE* size)
{
    DeviceContext* context = win32::contextOf(dc);
    if (!context || !size || length < 0 || (!text && length > 0)) {
        win32::detail::setLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const LOGFONTA font = win32::fontOf(*context);
    LONG width = 0;
    for (int i = 0; i < length; ++i)
        width += win32::characterWidth(font, static_cast<unsigned char>(text[i]));
    *size = SIZE{width, std::abs(font.lfHeight == 0 ? win32::kSystemFontHeight : font.lfHeight)};
    return TRUE;
}

extern "C" BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length)
{
    DeviceContext* context = win32::contextOf(dc);
    SIZE extent{};
    if (!context || !GetTextExtentPoint32A(dc, text, length, &extent))
        return FALSE;
    const RECT box{x, y, x + extent.cx, y + extent.cy};
    if (!win32::clipped(*context, box))
        return TRUE;
    const LOGFONTA font = win32::fontOf(*context);
    DrawnShape shape = win32::shapeOf(DrawnShape::Kind::Text, box, context->textColour);
    if (length > 0)
        shape.text.assign(text, static_cast<size_t>(length));
    shape.fontFace = font.lfFaceName;
    shape.fontHeight = std::abs(font.lfHeight == 0 ? win32::kSystemFontHeight : font.lfHeight);
    shape.fontWeight = font.lfWeight;
    shape.transparent = context->backgroundMode == TRANSPARENT;
    shape.background = context->backgroundColour;
    win32::record(*context, std::move(shape));
    return TRUE;
}

extern "C" HDC CreateCompatibleDC(HDC)
{
    return win32::addContext(win32::contextFor(DeviceContext::Kind::Memory));
}

extern "C" BOOL DeleteDC(HDC dc)
{
    const auto found = win32::gdi().contexts.find(dc);
    if (found == win32::gdi().contexts.end() || found->second.kind != DeviceContext::Kind::Memory)
        return FALSE;
    win32::gdi().contexts.erase(found);
    return TRUE;
}

extern "C" int GetObjectA(HGDIOBJ object, int size, LPVOID buffer)
{
    // A 32-bit caller's BITMAP ends before the bits pointer; what fits of ours is written.
    constexpr int kShortBitmap = 24;
    if (win32::bitmapResource(reinterpret_cast<HBITMAP>(object))) {
        if (!buffer)
            return static_cast<int>(sizeof(BITMAP));
        if (size < kShortBitmap)
            return 0;
        const auto [width, height] = win32::bitmapSize(reinterpret_cast<HBITMAP>(object));
        BITMAP bitmap{0, width, height, ((width * 24 + 31) / 32) * 4, 1, 24, nullptr};
        const int written = std::min(size, static_cast<int>(sizeof bitmap));
        std::memcpy(buffer, &bitmap, static_cast<size_t>(written));
        return written;
    }
    const win32::GdiObject* font = win32::objectOf(object, win32::ObjectKind::Font);
    if (!font)
        return 0;
    if (!buffer)
        return static_cast<int>(sizeof(LOGFONTA));
    const int written = std::min(size, static_cast<int>(sizeof(LOGFONTA)));
    std::memcpy(buffer, &font->font, static_cast<size_t>(std::max(written, 0)));
    return std::max(written, 0);
}

extern "C" BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int, int, DWORD)
{
    DeviceContext* into = win32::contextOf(target);
    DeviceContext* from = win32::contextOf(source);
    if (!into || !from || width < 0 || height < 0)
        return FALSE;
    const xt::Resource* bitmap = win32::bitmapResource(from->bitmap);
    if (const auto shown = win32::clipped(*into, RECT{x, y, x + width, y + height})) {
        DrawnShape shape = win32::shapeOf(DrawnShape::Kind::Blit, *shown, 0);
        shape.bitmap = bitmap ? bitmap->id : 0;
        win32::record(*into, std::move(shape));
    }
    return TRUE;
}

extern "C" HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name)
{
    if (!IS_INTRESOURCE(name)) {
        win32::detail::setLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const auto id = static_cast<int32_t>(reinterpret_cast<ULONG_PTR>(name));
    if (!instance)
        return id >= IDC_ARROW ? reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(id)) : nullptr;
    const xt::Resource* resource = win32::findResource(instance, xt::kResourceGroupCursor, id);
    if (!resource) {
        win32::detail::setLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HCURSOR>(const_cast<xt::Resource*>(resource));
}

extern "C" HCURSOR SetCursor(HCURSOR cursor)
{
    return std::exchange(win32::gdi().cursor, cursor);
}
