// The page-insert confirmation's callback.
#include "twinnel/ui/insert_pages_dialog.h"

#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"
#include "twinnel/engine/common/layouts.h"
#include "twinnel/resources/dialog_resources.h"
#include "twinnel/resources/twinnel_id.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace twinnel {
namespace {

bool g_insertCancelled = true;

void showQuestion()
{
    xt::TextObject text = newText(kInsertPagesQuestion);
    xt::calls::SetStaticText(InsertQuestion, text);
    if (text)
        xt::calls::DisposeTextObject(text);
}

} // namespace

int32_t InsertPagesCallback(void* data)
{
    auto* record = static_cast<xt::WindowCallbackRecord*>(data);
    record->handled = 1;
    switch (record->event) {
    case xt::WhichResourceEvent:
        static_cast<xt::WhichResourceBlock*>(record->argument.answer)->resourceId = kInsertPagesResource;
        g_insertCancelled = true;
        break;
    case xt::InitItemsEvent:
        showQuestion();
        break;
    case xt::OkEvent:
        g_insertCancelled = false;
        break;
    case xt::CancelEvent:
        g_insertCancelled = true;
        break;
    default:
        record->handled = 0;
        break;
    }
    return 0;
}

bool confirmInsertPages()
{
    g_insertCancelled = true;
    int32_t result = 0;
    if (xt::calls::OpenDialog(foundation::windowId(kInsertPagesWindow), 0, &result) != 0)
        return false;
    return !g_insertCancelled;
}

} // namespace twinnel
