// The standard warning box of every plug-in.
#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"
#include "win32/windows.h"

namespace foundation {

namespace {
constexpr int32_t kArrowCursor = 0;
}

void WarningBox(const char* message)
{
    // The box shows the arrow; afterwards the cursor goes back to what it was, a watch only during a long run.
    const int32_t previous = xt::calls::GetCursorKind();
    xt::calls::SetCursorKind(kArrowCursor);
    MessageBoxA(nullptr, message ? message : "", kWarningTitle, MB_ICONWARNING);
    xt::calls::SetCursorKind(previous);
}

} // namespace foundation
