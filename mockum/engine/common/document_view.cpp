// Reading and restoring the current document's view around an edit.
#include "mockum/engine/common/document_view.h"

#include "foundation/binding/binding.h"

namespace mockum {

/// The refresh kind that redraws the document after its text changed.
constexpr int32_t kRefreshText = 3;

DocumentView readDocumentView()
{
    DocumentView view;
    int16_t id = -1;
    if (xt::calls::GetCurrentDocument(&id) != 0 || id < 0)
        return view;
    view.ref = xt::calls::GetDocumentRef(id);
    if (view.ref == 0 || xt::calls::GetDocumentWindow(view.ref, &view.window) != 0 || view.window == 0)
        return view;
    const int32_t status = xt::calls::GetWindowValue3563(view.window, &view.windowValue);
    xt::calls::HostResult3184(status);
    view.hasValue = status == 0;
    return view;
}

void refreshDocument(const DocumentView& view)
{
    if (view.ref != 0)
        xt::calls::DocumentOp455(view.ref, kRefreshText);
}

void restoreDocumentView(const DocumentView& view)
{
    if (view.ref != 0 && view.hasValue)
        xt::calls::DocumentOp870(view.ref, view.windowValue);
}

void showPageAgain(const DocumentView& view)
{
    if (view.window != 0 && view.hasValue)
        xt::calls::DocumentOp868(view.window, view.windowValue);
}

} // namespace mockum
