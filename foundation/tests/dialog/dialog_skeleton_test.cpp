// The dialog skeleton: each event reaches its handler, and the handled word tells the host whether the
// dialog took the event, left it, or refused an OK.
#include <gtest/gtest.h>

#include <string>

#include "foundation/dialog/dialog_skeleton.h"
#include "xtapi/dialogs.h"

namespace foundation::dialog {
namespace {

std::string g_ran;
OkAnswer g_okAnswer = OkAnswer::Close;

constexpr int32_t kQuiet[] = {xt::DrawEvent24};

constexpr ItemAction kActions[] = {
    {7, [](int32_t item) { g_ran += "seven:" + std::to_string(item); }},
    {9, [](int32_t) { g_ran += "nine"; }},
};

constexpr DialogHandlers kFull{
    .resourceId = 20000,
    .beforeResource = [] { g_ran += "before"; },
    .created = [] { g_ran += "created"; },
    .initItems = [] { g_ran += "init"; },
    .opened = [] { g_ran += "opened"; },
    .itemHit = [](const xt::WindowCallbackRecord& record) { return isPress(record) && runItemAction(kActions, record.item); },
    .ok = [] {
        g_ran += "ok";
        return g_okAnswer;
    },
    .cancel = [] { g_ran += "cancel"; },
    .closing = [] { g_ran += "closing"; },
    .quietEvents = kQuiet,
};

constexpr DialogHandlers kBare{.resourceId = 999};

struct Sent {
    int32_t handled;
    int32_t resourceId;
};

Sent send(const DialogHandlers& handlers, int32_t event, int32_t item = 0, int32_t value = xt::ItemPressed)
{
    xt::WhichResourceBlock block{};
    xt::WindowCallbackRecord record{};
    record.event = event;
    record.item = item;
    record.handled = -1;
    if (event == xt::WhichResourceEvent)
        record.argument.answer = &block;
    else
        record.argument.pair.value = value;
    EXPECT_EQ(dispatchDialogEvent(handlers, &record), 0);
    return {record.handled, block.resourceId};
}

TEST(DialogSkeletonTest, EachEventReachesItsHandler)
{
    struct Case {
        int32_t event;
        int32_t item;
        int32_t value;
        int32_t handled;
        const char* ran;
    };
    const Case cases[] = {
        {xt::WhichResourceEvent, 0, 0, 1, "before"},
        {xt::CreatedEvent, 0, 0, 1, "created"},
        {xt::InitItemsEvent, 0, 0, 1, "init"},
        {xt::WindowOpened, 0, 0, 1, "opened"},
        {xt::ItemHit, 7, xt::ItemPressed, 1, "seven:7"},
        {xt::ItemHit, 9, xt::ItemPressed, 1, "nine"},
        {xt::ItemHit, 8, xt::ItemPressed, 0, ""}, // no action for the item: the host's
        {xt::ItemHit, 7, xt::ItemPressed + 1, 0, ""}, // not a press
        {xt::OkEvent, 0, 0, 1, "ok"},
        {xt::CancelEvent, 0, 0, 1, "cancel"},
        {xt::ClosingEvent, 0, 0, 1, "closing"},
        {xt::DrawEvent24, 0, 0, 1, ""}, // quiet
        {xt::DrawEvent, 0, 0, 0, ""}, // not one of this dialog's quiet events
        {xt::TimerEvent, 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event);
        g_ran.clear();
        EXPECT_EQ(send(kFull, c.event, c.item, c.value).handled, c.handled);
        EXPECT_EQ(g_ran, c.ran);
    }
    EXPECT_EQ(send(kFull, xt::WhichResourceEvent).resourceId, 20000);
}

TEST(DialogSkeletonTest, AnOkRefusedKeepsTheDialogOpen)
{
    g_okAnswer = OkAnswer::KeepOpen;
    EXPECT_EQ(send(kFull, xt::OkEvent).handled, kHandledKeepOpen);
    g_okAnswer = OkAnswer::Close;
    EXPECT_EQ(send(kFull, xt::OkEvent).handled, 1);
}

TEST(DialogSkeletonTest, WithoutHandlersOnlyTheResourceIsAnswered)
{
    const Sent resource = send(kBare, xt::WhichResourceEvent);
    EXPECT_EQ(resource.handled, 1);
    EXPECT_EQ(resource.resourceId, 999);
    for (const int32_t event : {xt::CreatedEvent, xt::InitItemsEvent, xt::WindowOpened, xt::ItemHit, xt::OkEvent,
             xt::CancelEvent, xt::ClosingEvent, xt::DrawEvent14}) {
        SCOPED_TRACE(event);
        EXPECT_EQ(send(kBare, event).handled, 0);
    }
}

} // namespace
} // namespace foundation::dialog
