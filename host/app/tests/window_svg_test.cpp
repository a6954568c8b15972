// A window's drawing as SVG: each operation where the plug-in drew it, in its colours.
#include "host/app/window_svg.h"

#include <gtest/gtest.h>

namespace host::app {
namespace {

win32::DrawnShape shape(win32::DrawnShape::Kind kind, RECT rect, COLORREF colour)
{
    win32::DrawnShape drawn;
    drawn.kind = kind;
    drawn.rect = rect;
    drawn.colour = colour;
    return drawn;
}

TEST(WindowSvg, EachOperationBecomesAnElementInOrder)
{
    using Kind = win32::DrawnShape::Kind;
    win32::DrawnShape text = shape(Kind::Text, {10, 8, 60, 18}, RGB(0, 0, 255));
    text.text = "VORNE <9>";
    text.fontFace = "arial";
    text.fontHeight = 10;
    text.fontWeight = 400;
    text.transparent = true;
    win32::DrawnShape hatched = shape(Kind::Frame, {0, 0, 120, 40}, RGB(255, 0, 0));
    hatched.hatch = 5;
    win32::DrawnShape blit = shape(Kind::Blit, {130, 0, 170, 20}, 0);
    blit.bitmap = 21000;
    const std::string svg = drawWindowSvg({shape(Kind::Fill, {0, 0, 120, 40}, RGB(192, 192, 192)), hatched, text, blit});

    EXPECT_NE(svg.find("viewBox=\"0 0 170 40\""), std::string::npos) << svg;
    const size_t fill = svg.find("class=\"fill\"");
    const size_t frame = svg.find("class=\"frame\"");
    const size_t words = svg.find(">VORNE &lt;9&gt;</text>");
    const size_t bitmap = svg.find("data-bitmap=\"21000\"");
    ASSERT_NE(fill, std::string::npos) << svg;
    ASSERT_NE(frame, std::string::npos) << svg;
    ASSERT_NE(words, std::string::npos) << svg;
    ASSERT_NE(bitmap, std::string::npos) << svg;
    EXPECT_TRUE(fill < frame && frame < words && words < bitmap) << "drawn in the order the plug-in drew";
    EXPECT_NE(svg.find("fill=\"#c0c0c0\""), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#ff0000\" stroke-opacity=\"0.5\""), std::string::npos) << "a hatched brush, half strong";
    EXPECT_EQ(svg.find("text-background"), std::string::npos) << "transparent text has no background";
}

TEST(WindowSvg, NothingDrawnIsAnEmptyPicture)
{
    const std::string svg = drawWindowSvg({});
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 1 1\""), std::string::npos);
}

} // namespace
} // namespace host::app
