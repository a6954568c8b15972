// The keys, the mouse button and the cursor over time, as the plug-ins' polling loops see them.
#include <gtest/gtest.h>

#include <vector>

#include "win32/standin.h"
#include "win32/windows.h"

namespace {

class InputTest : public ::testing::Test {
protected:
    void TearDown() override { win32::resetStandIn(); }
};

bool down(int key)
{
    return GetAsyncKeyState(key) < 0;
}

/// What N polls of the key answer, as a string of d (down) and u (up).
std::string polls(int key, int count)
{
    std::string seen;
    for (int i = 0; i < count; ++i)
        seen += down(key) ? 'd' : 'u';
    return seen;
}

TEST_F(InputTest, EachChangeIsSeenAfterItsPollsCountedFromTheChangeBefore)
{
    win32::queueKeyChange(VK_LBUTTON, true, 2);  // two polls see the button up, the third down
    win32::queueKeyChange(VK_LBUTTON, false, 3); // held for three polls
    win32::queueKeyChange(VK_LBUTTON, true, 1);  // pressed again after one poll sees it up
    EXPECT_EQ(polls(VK_LBUTTON, 8), "uudddudd");
    EXPECT_EQ(win32::queuedKeyChanges(VK_LBUTTON), 0u);
}

TEST_F(InputTest, KeysKeepTimelinesOfTheirOwn)
{
    win32::queueKeyChange(VK_MENU, true, 1);
    win32::queueKeyChange(VK_LBUTTON, true, 1);
    EXPECT_EQ(polls(VK_LBUTTON, 3), "udd") << "polls of the button do not move the Alt key on";
    EXPECT_EQ(polls(VK_MENU, 2), "ud");
    EXPECT_FALSE(down(VK_CONTROL));
}

TEST_F(InputTest, AClickIsDownAtTheFirstPollAndUpAtTheSecondBeforeAnythingQueued)
{
    win32::queueKeyChange(VK_LBUTTON, true, 2, POINT{300, 400});
    win32::pressAndRelease(VK_LBUTTON, POINT{172, 244});
    POINT cursor{};
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, 172);
    EXPECT_EQ(cursor.y, 244);
    EXPECT_EQ(polls(VK_LBUTTON, 4), "duud");
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, 300) << "the press moved the cursor";
    EXPECT_EQ(cursor.y, 400);
    EXPECT_FALSE(GetCursorPos(nullptr));
}

TEST_F(InputTest, ALoopWaitingForAChangeNeverQueuedEndsAndIsNoted)
{
    int polled = 0;
    while (!down(VK_LBUTTON))
        ++polled;
    EXPECT_EQ(polled, win32::kMostPollsWithoutChange);
    const auto problems = win32::takeInputProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems.front(),
        "the plug-in polled the mouse button 100000 times and the script had nothing more for it");
    EXPECT_TRUE(win32::takeInputProblems().empty());
}

TEST_F(InputTest, ASetStateForgetsWhatWasQueued)
{
    win32::queueKeyChange(VK_MENU, true, 5);
    win32::setAsyncKeyState(VK_MENU, static_cast<SHORT>(0x8000));
    EXPECT_EQ(win32::queuedKeyChanges(VK_MENU), 0u);
    EXPECT_EQ(polls(VK_MENU, 7), "ddddddd");
}

} // namespace
