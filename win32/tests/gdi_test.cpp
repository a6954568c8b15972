// Drawing: device contexts, the objects they select, and what a window had drawn into it.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "win32/standin.h"
#include "win32/windows.h"

namespace {

class GdiTest : public ::testing::Test {
protected:
    void TearDown() override { win32::resetStandIn(); }
};

HWND someWindow()
{
    static char mark;
    return reinterpret_cast<HWND>(&mark);
}

// A bitmap resource: a BITMAPINFOHEADER saying 40 x 20 pixels.
const uint8_t kBitmap[40] = {40, 0, 0, 0, 40, 0, 0, 0, 20, 0, 0, 0, 1, 0, 24, 0};
const xt::Resource kResources[] = {
    {xt::kResourceBitmap, 21000, kBitmap, sizeof kBitmap},
    {xt::kResourceGroupCursor, 20000, kBitmap, 4},
};
const xt::ModuleImage kImage{xt::kModuleImageVersion, nullptr, kResources, 2};

/// What the eyedropper's sample window does on WM_PAINT: a white background, swatches framed, a caption
/// in a font, clipped to the window's band.
TEST_F(GdiTest, AWindowsPaintingIsRecordedInOrder)
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(someWindow(), &paint);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(paint.hdc, dc);
    EXPECT_EQ(GetDC(someWindow()), dc) << "a window has one context";

    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    HBRUSH red = CreateHatchBrush(HS_DIAGCROSS, RGB(255, 0, 0));
    const RECT all{0, 0, 200, 60};
    EXPECT_EQ(FillRect(dc, &all, white), 1);
    HRGN band = CreateRectRgn(0, 0, 150, 60);
    EXPECT_EQ(SelectClipRgn(dc, band), SIMPLEREGION);
    const RECT swatch{140, 10, 180, 50};
    EXPECT_EQ(FrameRect(dc, &swatch, red), 1);
    HFONT font = CreateFontA(-36, 0, 0, 0, 600, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Times New Roman");
    HGDIOBJ before = SelectObject(dc, font);
    EXPECT_NE(before, nullptr) << "the context held the system font";
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    SetTextColor(dc, RGB(0, 0, 255));
    EXPECT_TRUE(TextOutA(dc, 10, 12, "Sample", 6));
    EXPECT_TRUE(TextOutA(dc, 400, 12, "Hidden", 6)) << "drawn outside the clipping, so not recorded";
    EXPECT_EQ(SelectClipRgn(dc, nullptr), NULLREGION);
    EXPECT_EQ(SelectObject(dc, before), font);
    EXPECT_TRUE(EndPaint(someWindow(), &paint));

    const auto& drawn = win32::windowDrawing(someWindow());
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].kind, win32::DrawnShape::Kind::Fill);
    EXPECT_EQ(drawn[0].colour, RGB(255, 255, 255));
    EXPECT_EQ(drawn[1].kind, win32::DrawnShape::Kind::Frame);
    EXPECT_EQ(drawn[1].rect.right, 150) << "cut to the clipping";
    EXPECT_EQ(drawn[1].hatch, HS_DIAGCROSS);
    EXPECT_EQ(drawn[2].kind, win32::DrawnShape::Kind::Text);
    EXPECT_EQ(drawn[2].text, "Sample");
    EXPECT_EQ(drawn[2].fontFace, "Times New Roman");
    EXPECT_EQ(drawn[2].fontHeight, 36);
    EXPECT_TRUE(drawn[2].transparent);
    EXPECT_EQ(drawn[2].colour, RGB(0, 0, 255));
    EXPECT_TRUE(win32::windowDrawing(nullptr).empty()) << "nothing reached the screen";

    EXPECT_TRUE(DeleteObject(font));
    EXPECT_FALSE(DeleteObject(font)) << "deleted once";
    EXPECT_EQ(FillRect(dc, &all, nullptr), 0);
}

/// The width of a text is the sum of its characters' widths, in every call that measures it.
TEST_F(GdiTest, MeasuringAgreesCharacterByCharacter)
{
    HDC dc = GetDC(someWindow());
    SelectObject(dc, CreateFontA(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "arial"));
    INT widths[26] = {};
    ASSERT_TRUE(GetCharWidth32A(dc, 'A', 'Z', widths));
    SIZE extent{};
    ASSERT_TRUE(GetTextExtentPoint32A(dc, "ABC", 3, &extent));
    EXPECT_EQ(extent.cx, widths[0] + widths[1] + widths[2]);
    EXPECT_EQ(extent.cy, 10);
    INT narrow = 0, wide = 0;
    GetCharWidth32A(dc, 'i', 'i', &narrow);
    GetCharWidth32A(dc, 'm', 'm', &wide);
    EXPECT_LT(narrow, wide);
    EXPECT_FALSE(GetCharWidth32A(dc, 'Z', 'A', widths));
    EXPECT_FALSE(GetTextExtentPoint32A(reinterpret_cast<HDC>(0x42), "A", 1, &extent));
}

/// What the sample window's bitmap goes through: a memory context, the bitmap's size, a copy to the window.
TEST_F(GdiTest, ABitmapIsCopiedThroughAMemoryContext)
{
    win32::registerModule(&kImage);
    HBITMAP bitmap = LoadBitmapA(&kImage, MAKEINTRESOURCE(21000));
    ASSERT_NE(bitmap, nullptr);
    BITMAP size{};
    EXPECT_EQ(GetObjectA(reinterpret_cast<HGDIOBJ>(bitmap), 24, &size), 24);
    EXPECT_EQ(size.bmWidth, 40);
    EXPECT_EQ(size.bmHeight, 20);
    EXPECT_EQ(GetObjectA(reinterpret_cast<HGDIOBJ>(bitmap), 8, &size), 0) << "too small a buffer";

    HDC window = GetDC(someWindow());
    HDC memory = CreateCompatibleDC(window);
    EXPECT_EQ(SelectObject(window, reinterpret_cast<HGDIOBJ>(bitmap)), nullptr) << "only a memory context takes a bitmap";
    HGDIOBJ held = SelectObject(memory, reinterpret_cast<HGDIOBJ>(bitmap));
    EXPECT_NE(held, nullptr) << "a fresh memory context holds the stock bitmap, so the select succeeds";
    EXPECT_TRUE(BitBlt(window, 10, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY));
    EXPECT_EQ(SelectObject(memory, held), reinterpret_cast<HGDIOBJ>(bitmap));
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_FALSE(DeleteDC(window)) << "a window's context is released, not deleted";
    ReleaseDC(someWindow(), window);

    const auto& drawn = win32::windowDrawing(someWindow());
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].kind, win32::DrawnShape::Kind::Blit);
    EXPECT_EQ(drawn[0].bitmap, 21000);
    EXPECT_EQ(drawn[0].rect.right, 50);
    EXPECT_EQ(drawn[0].rect.bottom, 20);
    win32::unregisterModule(&kImage);
}

TEST_F(GdiTest, CursorsAndTheSpeaker)
{
    win32::registerModule(&kImage);
    HCURSOR picking = LoadCursorA(&kImage, MAKEINTRESOURCE(20000));
    ASSERT_NE(picking, nullptr);
    EXPECT_EQ(LoadCursorA(&kImage, MAKEINTRESOURCE(20001)), nullptr);
    HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCE(IDC_ARROW));
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(SetCursor(picking), nullptr);
    EXPECT_EQ(SetCursor(arrow), picking);
    EXPECT_EQ(win32::shownCursor(), arrow);
    EXPECT_TRUE(Beep(0, 0));
    EXPECT_EQ(win32::beeps(), (std::vector<UINT>{win32::kSpeakerBeep}));
    win32::unregisterModule(&kImage);
}

} // namespace
