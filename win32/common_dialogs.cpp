// The file chooser of comdlg32, answered by the host's scripted user.
#include <cstring>

#include "win32/internal.h"
#include "win32/standin.h"

namespace win32 {
namespace {

struct DialogState {
    FileDialogHandler handler;
    DWORD lastError = 0;
};

DialogState& state()
{
    static DialogState dialogs;
    return dialogs;
}

/// "VORNE Guides\0*.vog\0\0" -> "VORNE Guides (*.vog)".
std::string firstFilter(LPCSTR filter)
{
    if (!filter || !*filter)
        return {};
    const std::string description(filter);
    const char* pattern = filter + description.size() + 1;
    return *pattern ? description + " (" + pattern + ")" : description;
}

BOOL ask(LPOPENFILENAMEA dialog, bool saving)
{
    auto& dialogs = state();
    dialogs.lastError = 0;
    if (!dialog || !dialog->lpstrFile || dialog->nMaxFile == 0) {
        dialogs.lastError = FNERR_BUFFERTOOSMALL;
        return FALSE;
    }
    FileDialogRequest request;
    request.saving = saving;
    request.title = dialog->lpstrTitle ? dialog->lpstrTitle : "";
    request.filter = firstFilter(dialog->lpstrFilter);
    request.initialName.assign(dialog->lpstrFile, strnlen(dialog->lpstrFile, dialog->nMaxFile));
    // Copy the handler: it may replace itself while it answers.
    const auto handler = dialogs.handler;
    const auto chosen = handler ? handler(request) : std::nullopt;
    if (!chosen)
        return FALSE;
    if (chosen->size() + 1 > dialog->nMaxFile) {
        dialogs.lastError = FNERR_BUFFERTOOSMALL;
        return FALSE;
    }
    std::memcpy(dialog->lpstrFile, chosen->c_str(), chosen->size() + 1);
    const size_t slash = chosen->find_last_of("\\/");
    dialog->nFileOffset = static_cast<WORD>(slash == std::string::npos ? 0 : slash + 1);
    const size_t dot = chosen->find_last_of('.');
    dialog->nFileExtension = static_cast<WORD>(dot == std::string::npos || dot < dialog->nFileOffset ? 0 : dot + 1);
    return TRUE;
}

} // namespace

void setFileDialogHandler(FileDialogHandler handler)
{
    state().handler = std::move(handler);
}

void detail::resetDialogs()
{
    state() = DialogState{};
}

} // namespace win32

extern "C" BOOL GetOpenFileNameA(LPOPENFILENAMEA dialog)
{
    return win32::ask(dialog, false);
}

extern "C" BOOL GetSaveFileNameA(LPOPENFILENAMEA dialog)
{
    return win32::ask(dialog, true);
}

extern "C" DWORD CommDlgExtendedError()
{
    return win32::state().lastError;
}
