// The page-insert confirmation's callback.
#include "twinnel/ui/insert_pages_dialog.h"

#include "foundation/binding/binding.h"
#include "foundation/dialog/dialog_skeleton.h"
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

constexpr foundation::dialog::DialogHandlers kInsertPagesDialog{
    .resourceId = kInsertPagesResource,
    .beforeResource = [] { g_insertCancelled = true; },
    .initItems = showQuestion,
    .ok = [] {
        g_insertCancelled = false;
        return foundation::dialog::OkAnswer::Close;
    },
    .cancel = [] { g_insertCancelled = true; },
};

} // namespace

int32_t InsertPagesCallback(void* data)
{
    return foundation::dialog::dispatchDialogEvent(kInsertPagesDialog, data);
}

bool confirmInsertPages()
{
    g_insertCancelled = true;
    return foundation::dialog::runModalDialog(kInsertPagesWindow) && !g_insertCancelled;
}

} // namespace twinnel
