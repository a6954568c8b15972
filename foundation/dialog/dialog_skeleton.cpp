// The dialog skeleton's dispatch: each event to its handler, the handled word from what it did.
#include "foundation/dialog/dialog_skeleton.h"

#include <algorithm>

#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"
#include "xtapi/dialogs.h"

namespace foundation::dialog {
namespace {

/// Runs `handler` when there is one; false leaves the event to the host.
bool runIfAny(void (*handler)())
{
    if (!handler)
        return false;
    handler();
    return true;
}

/// The handled word for an event: 1 when the dialog took it, 0 when the host keeps it, 2 for an OK refused.
int32_t answer(const DialogHandlers& handlers, xt::WindowCallbackRecord& record)
{
    switch (record.event) {
    case xt::WhichResourceEvent:
        if (handlers.beforeResource)
            handlers.beforeResource();
        static_cast<xt::WhichResourceBlock*>(record.argument.answer)->resourceId = handlers.resourceId;
        return 1;
    case xt::CreatedEvent:
        return runIfAny(handlers.created);
    case xt::InitItemsEvent:
        return runIfAny(handlers.initItems);
    case xt::WindowOpened:
        return runIfAny(handlers.opened);
    case xt::ItemHit:
        return handlers.itemHit && handlers.itemHit(record);
    case xt::OkEvent:
        if (!handlers.ok)
            return 0;
        return handlers.ok() == OkAnswer::KeepOpen ? kHandledKeepOpen : 1;
    case xt::CancelEvent:
        return runIfAny(handlers.cancel);
    case xt::ClosingEvent:
        return runIfAny(handlers.closing);
    default:
        return std::ranges::find(handlers.quietEvents, record.event) != handlers.quietEvents.end();
    }
}

} // namespace

int32_t dispatchDialogEvent(const DialogHandlers& handlers, void* data)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(data);
    record.handled = answer(handlers, record);
    return 0;
}

bool runItemAction(std::span<const ItemAction> actions, int32_t item)
{
    const auto action = std::ranges::find(actions, item, &ItemAction::item);
    if (action == actions.end())
        return false;
    action->act(item);
    return true;
}

bool isPress(const xt::WindowCallbackRecord& record)
{
    return record.argument.pair.value == xt::ItemPressed;
}

bool runModalDialog(int32_t windowOffset)
{
    int32_t result = 0;
    return xt::calls::OpenDialog(windowId(windowOffset), 0, &result) == 0;
}

} // namespace foundation::dialog
