// The mouse in the layout window, the screen's pixels and the small toolbox services, through the
// operations a plug-in calls.
#include <cstring>

#include "host/host_context.h"
#include "host/model/colours/colour_table.h"
#include "host/model/spread_layout.h"
#include "host/tests/item_fixture.h"
#include "win32/standin.h"
#include "win32/windows.h"

namespace host_tests {
namespace {

using namespace xt::op;
using namespace host::model::testdoc;

class InputOpsTest : public ItemTest {};

/// The layout window shows the spread from screen pixel (100, 100), one point a pixel.
TEST_F(InputOpsTest, AScreenPointBecomesAPointOfTheLayoutWindow)
{
    int16_t point[2] = {244, 172}; // vertical, horizontal
    ASSERT_EQ(hostOp<ToolboxOp1941>()(point), 0);
    EXPECT_EQ(point[0], 144);
    EXPECT_EQ(point[1], 72);
    EXPECT_NE(hostOp<ToolboxOp1941>()(nullptr), 0);

    void* record = nullptr;
    ASSERT_EQ(hostOp<XaqOp141>()(&record), 0);
    void* again = nullptr;
    hostOp<XaqOp141>()(&again);
    EXPECT_EQ(record, again) << "one record, which the host and a tracking plug-in share";
    xt::writeAt<uint32_t>(record, 0x00900048, 20);
    EXPECT_EQ(xt::readAt<uint32_t>(host::context().mouseEvent().data(), 20), 0x00900048u);

    const xt::WindowRef window = items().windowRef();
    EXPECT_EQ(hostOp<XsqOp1303>()(window), 0);
    EXPECT_NE(hostOp<XsqOp1303>()(window + 999), 0);
}

/// GetPixel on the screen reads the page as drawn: the pasteboard, the paper, a box's background and
/// its frame, the frontmost item winning; a box without a background lets the paper show.
TEST_F(InputOpsTest, TheScreenShowsTheCurrentSpreadAsItIsDrawn)
{
    host::model::Layout& doc = layout();
    const int16_t red = doc.colours().findByName("Red")->id();
    const int16_t blue = doc.colours().findByName("Blue")->id();
    host::model::Item& back = addBox(doc, 0, rect(100, 100, 200, 200));
    back.setBackground({red, xt::kFixedOne});
    back.setWeight(0);
    host::model::Item& front = addBox(doc, 0, rect(150, 150, 250, 250));
    front.setBackground({blue, xt::kFixedOne / 2});
    front.setWeight(pt(4));
    front.setFrame({xt::kBlackColour, xt::kFixedOne});
    addBox(doc, 0, rect(300, 300, 350, 350)).setBackground({xt::kNoColour, 0});

    HDC screen = GetDC(nullptr);
    const auto at = [&](double x, double y) { return GetPixel(screen, 100 + static_cast<int>(x), 100 + static_cast<int>(y)); };
    EXPECT_EQ(at(-20, 10), 0xE6E6E6u) << "pasteboard";
    EXPECT_EQ(at(10, 10), RGB(255, 255, 255)) << "paper";
    EXPECT_EQ(at(120, 120), RGB(255, 0, 0)) << "the red box";
    EXPECT_EQ(at(180, 180), RGB(128, 128, 255)) << "the blue box at half shade, in front of the red one";
    EXPECT_EQ(at(151, 200), RGB(0, 0, 0)) << "the blue box's frame";
    EXPECT_EQ(at(320, 320), RGB(255, 255, 255)) << "a box without a background";
    EXPECT_EQ(GetPixel(reinterpret_cast<HDC>(0x1234), 0, 0), CLR_INVALID) << "no such device context";

    host::model::makeCurrent(doc, {host::model::PageList::Document, 1});
    EXPECT_EQ(at(120, 120), RGB(255, 255, 255)) << "the window shows page 2 now";
    ReleaseDC(nullptr, screen);
}

TEST_F(InputOpsTest, ToolboxServices)
{
    char* block = hostOp<ToolboxOp1871>()(0x8000);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[0x7FFF], 0);
    hostOp<DisposePointer>()(block);

    struct NumberCase {
        const char* text;
        int32_t expected;
    };
    const NumberCase kNumbers[] = {{"12", 12}, {"  7 pages", 7}, {"-3", -3}, {"", 0}, {"x1", 0}, {"99999999999", 0}};
    for (const NumberCase& c : kNumbers) {
        xt::TextObject text = hostOp<NewTextObject>()(c.text, 0, static_cast<int32_t>(std::strlen(c.text)));
        EXPECT_EQ(hostOp<ToolboxOp5034>()(text), c.expected) << c.text;
        hostOp<DisposeTextObject>()(text);
    }

    int32_t saved = -1;
    ASSERT_EQ(hostOp<ToolboxOp2203>()(&saved), 0);
    EXPECT_EQ(hostOp<ToolboxOp2847>()(5), 0);
    int32_t now = 0;
    hostOp<ToolboxOp2203>()(&now);
    EXPECT_EQ(now, 5);
    hostOp<ToolboxOp2847>()(saved);
    hostOp<ToolboxOp2203>()(&now);
    EXPECT_EQ(now, saved) << "the state is given back";
}

/// The mouse button query polls the same timeline as GetAsyncKeyState.
TEST_F(InputOpsTest, TheButtonQueryPollsTheMouseTimeline)
{
    win32::queueKeyChange(VK_LBUTTON, true, 1);
    win32::queueKeyChange(VK_LBUTTON, false, 2);
    EXPECT_EQ(hostOp<ToolboxOp2062>()(), 0);
    EXPECT_NE(hostOp<ToolboxOp2062>()(), 0);
    EXPECT_LT(GetAsyncKeyState(VK_LBUTTON), 0);
    EXPECT_EQ(hostOp<ToolboxOp2062>()(), 0);
}

} // namespace
} // namespace host_tests
