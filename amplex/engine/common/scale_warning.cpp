// The scaling engine's warning box and its linked-chain question.
#include "amplex/engine/common/scale_warning.h"

#include "foundation/binding/binding.h"
#include "win32/windows.h"

namespace amplex {
namespace {

constexpr int32_t kArrowCursor = 0;
constexpr int32_t kWatchCursor = -1;

constexpr const char* kWarningTitle = "VORNE Amplex";
constexpr const char* kQuestionTitle = "VORNE Warning";
constexpr const char* kLinkedChainQuestion =
    "Scaling within a linked text chain can cause upredictable results. We suggest first unlinking "
    "using VORNE Joinix. Would you like to continue scaling?";

} // namespace

void ShowScaleWarning(const char* text)
{
    // The arrow stays after the box closes: the commands that warn stop there.
    xt::calls::SetCursorKind(kArrowCursor);
    MessageBoxA(nullptr, text, kWarningTitle, MB_OK | MB_ICONWARNING);
}

bool ConfirmLinkedChainScale()
{
    xt::calls::SetCursorKind(kArrowCursor);
    const int answer = MessageBoxA(nullptr, kLinkedChainQuestion, kQuestionTitle, MB_YESNO | MB_ICONQUESTION);
    xt::calls::SetCursorKind(kWatchCursor);
    return answer != IDNO;
}

} // namespace amplex
