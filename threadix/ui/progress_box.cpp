// The progress box: opened, its texts set and redrawn, and closed, with the host told that a long
// operation runs meanwhile. It takes no Cancel: the mouse button stops a run.
#include "threadix/ui/progress_box.h"

#include "foundation/binding/binding.h"
#include "foundation/dialog/dialog_skeleton.h"
#include "foundation/plugin/skeleton.h"
#include "threadix/resources/dialog_resources.h"
#include "threadix/resources/threadix_id.h"
#include "threadix/ui/dialog_text.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace threadix {
namespace {

constexpr int32_t kLongOperation = -1;
constexpr int32_t kOperationEnded = 0;
constexpr int32_t kCloseWindow = 2;

xt::WindowRef g_window = 0;

void setProgressTexts(const std::string& text)
{
    if (g_window == 0 || xt::calls::BeginWindowDrawing(g_window) != 0)
        return;
    setStaticText(kProgressTitle, kProgressTitleText);
    setStaticText(kProgressText, text);
    setStaticText(kProgressHint, kCancelHint);
    xt::calls::WindowOp1509();
    xt::calls::EndWindowDrawing();
}

} // namespace

void ProgressBox::open(const std::string& text)
{
    if (g_window == 0 && xt::calls::OpenModelessWindow(foundation::windowId(kProgressWindow), &g_window) != 0)
        g_window = 0;
    setProgressTexts(text);
    if (!m_open)
        xt::calls::SetCursorKind(kLongOperation);
    m_open = true;
}

void ProgressBox::show(const std::string& text)
{
    setProgressTexts(text);
}

void ProgressBox::close()
{
    if (!m_open)
        return;
    m_open = false;
    if (g_window != 0 && xt::calls::BeginWindowDrawing(g_window) == 0) {
        xt::calls::WindowOp1507(kCloseWindow);
        xt::calls::EndWindowDrawing();
    }
    g_window = 0;
    xt::calls::SetCursorKind(kOperationEnded);
}

int32_t ProgressBoxCallback(void* data)
{
    static constexpr foundation::dialog::DialogHandlers kProgressWindowHandlers{
        .resourceId = kProgressResource,
        .closing = [] { g_window = 0; },
    };
    return foundation::dialog::dispatchDialogEvent(kProgressWindowHandlers, data);
}

} // namespace threadix
