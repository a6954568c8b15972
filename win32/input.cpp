// The keys, the mouse button and the cursor as they change over time: the host queues what the user
// does, and each poll of a key (GetAsyncKeyState) moves that key's timeline on by one step.
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "win32/internal.h"
#include "win32/standin.h"

namespace win32 {
namespace {

/// GetAsyncKeyState's answer for a key that is down now (the high bit).
constexpr SHORT kKeyDown = static_cast<SHORT>(0x8000);

struct Change {
    bool down;
    int32_t afterPolls;
    std::optional<POINT> cursor;
};

struct KeyTimeline {
    bool down = false;
    SHORT fixedState = 0; // what setAsyncKeyState set, answered while nothing is queued
    std::deque<Change> changes;
    int64_t pollsSinceChange = 0;
};

struct InputState {
    std::map<int, KeyTimeline> keys;
    POINT cursor{0, 0};
    std::vector<std::string> problems;
};

InputState& input()
{
    static InputState state;
    return state;
}

const char* keyName(int key)
{
    switch (key) {
    case VK_LBUTTON:
        return "the mouse button";
    case VK_MENU:
        return "the Alt key";
    case VK_CONTROL:
        return "the Ctrl key";
    case VK_SHIFT:
        return "the Shift key";
    default:
        return "a key";
    }
}

void apply(KeyTimeline& timeline, const Change& change)
{
    timeline.down = change.down;
    timeline.fixedState = change.down ? kKeyDown : 0;
    if (change.cursor)
        input().cursor = *change.cursor;
    timeline.pollsSinceChange = 0;
}

/// A plug-in waiting for a change the script never queued would poll for ever; like a user who
/// finally clicks, the host changes the state, and notes the problem so the session can fail.
void unstick(int key, KeyTimeline& timeline)
{
    input().problems.push_back("the plug-in polled " + std::string(keyName(key)) + " "
        + std::to_string(kMostPollsWithoutChange) + " times and the script had nothing more for it");
    apply(timeline, {!timeline.down, 0, std::nullopt});
}

SHORT poll(int key)
{
    KeyTimeline& timeline = input().keys[key];
    while (!timeline.changes.empty() && timeline.pollsSinceChange >= timeline.changes.front().afterPolls) {
        apply(timeline, timeline.changes.front());
        timeline.changes.pop_front();
    }
    ++timeline.pollsSinceChange;
    if (timeline.changes.empty() && timeline.pollsSinceChange > kMostPollsWithoutChange)
        unstick(key, timeline);
    return timeline.fixedState;
}

} // namespace

void setAsyncKeyState(int key, SHORT state)
{
    KeyTimeline& timeline = input().keys[key];
    timeline.changes.clear();
    timeline.down = state < 0;
    timeline.fixedState = state;
    timeline.pollsSinceChange = 0;
}

void clearAsyncKeyStates()
{
    input().keys.clear();
}

void queueKeyChange(int key, bool down, int32_t afterPolls, std::optional<POINT> cursor)
{
    KeyTimeline& timeline = input().keys[key];
    if (timeline.changes.empty())
        timeline.pollsSinceChange = 0;
    timeline.changes.push_back({down, afterPolls < 0 ? 0 : afterPolls, cursor});
}

void pressAndRelease(int key, POINT cursor)
{
    KeyTimeline& timeline = input().keys[key];
    apply(timeline, {true, 0, cursor});
    timeline.changes.push_front({false, 1, std::nullopt});
}

bool isKeyDown(int key)
{
    const auto found = input().keys.find(key);
    return found != input().keys.end() && found->second.fixedState < 0;
}

size_t queuedKeyChanges(int key)
{
    const auto found = input().keys.find(key);
    return found == input().keys.end() ? 0 : found->second.changes.size();
}

SHORT pollKey(int key)
{
    return poll(key);
}

void setCursorPosition(POINT cursor)
{
    input().cursor = cursor;
}

POINT cursorPosition()
{
    return input().cursor;
}

std::vector<std::string> takeInputProblems()
{
    return std::exchange(input().problems, {});
}

void detail::resetInput()
{
    input() = InputState{};
}

} // namespace win32

extern "C" SHORT GetAsyncKeyState(int key)
{
    return win32::poll(key);
}

extern "C" BOOL GetCursorPos(POINT* point)
{
    if (!point) {
        win32::detail::setLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *point = win32::input().cursor;
    return TRUE;
}

extern "C" BOOL SetCursorPos(int x, int y)
{
    win32::input().cursor = POINT{x, y};
    return TRUE;
}
