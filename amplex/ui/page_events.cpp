// The window-callback events the Scale dialog's tab pages answer alike.
#include "amplex/ui/page_events.h"

#include "amplex/ui/scale_page.h"
#include "foundation/binding/binding.h"
#include "xtapi/dialogs.h"

namespace amplex::ui {

void answerCommonPageEvent(xt::WindowCallbackRecord& record, int32_t resourceId)
{
    switch (record.event) {
    case xt::WhichResourceEvent:
        static_cast<xt::WhichResourceBlock*>(record.argument.answer)->resourceId = resourceId;
        break;
    case xt::CancelEvent: dialogState().setCancelled(true); break;
    case xt::AcceptEvent:
    case xt::ClosingEvent: break;
    default: record.handled = 0;
    }
}

int32_t switchesPageProc(void* block, const SwitchesPage& page)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    record.handled = 1;
    switch (record.event) {
    case xt::CreatedEvent: pageWindows().*page.window = xt::calls::GetCallbackWindow(); break;
    case xt::InitItemsEvent: page.initItems(); break;
    case xt::WindowOpened:
    case xt::DrawEvent:
        ReadScalePage();
        page.fill();
        break;
    case xt::TabEvent22:
    case xt::RefillEvent:
        page.fill();
        ReadScalePage();
        page.fill();
        break;
    case xt::ItemHit: page.itemHit(record); break;
    default: answerCommonPageEvent(record, page.resourceId);
    }
    return 0;
}

} // namespace amplex::ui
