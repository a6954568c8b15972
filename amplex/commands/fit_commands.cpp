// The fit commands and the fit requests of the settings.
#include "amplex/commands/fit_commands.h"

#include "amplex/commands/command_state.h"
#include "amplex/commands/engine_calls.h"
#include "amplex/commands/selection_measure.h"
#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/settings/settings.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"

namespace amplex {
namespace {

constexpr int32_t kItemTool = 1;
constexpr const char* kFitUnfinished =
    "Amplex could not finish fitting: the host refused a change, so the box or its text may be left part fitted.";

enum class FitKind : uint8_t { Text, Picture };

void runFit(FitKind kind, int32_t box)
{
    ScaleSettings& s = currentSettings();
    ClearUndo();
    const foundation::HostFailureWatch watch;
    if (kind == FitKind::Text)
        runTextFit(box, textFitOf(s.FitCommand));
    else
        runPictureFit(box);
    recordStateAfterScale();
    if (watch.failed())
        ShowScaleWarning(kFitUnfinished);
    s.FitTextRequest = 0;
    s.FitPictureRequest = 0;
}

/// The host's refresh of the box's page, and the adjustment unless the menu command runs.
void finishFit(CommandKind kind, int32_t box)
{
    xt::calls::DocumentOp870(documentRun().documentRef(), pageNumberOf(box));
    if (kind != CommandKind::Menu)
        adjustAfterScale();
    undoList().setReplayActive(false);
}

} // namespace

TextFit textFitOf(int32_t fitCommand)
{
    return fitCommand == FitBoxToSelection || fitCommand == FitBoxToStory ? TextFit::BoxToText : TextFit::TextToBox;
}

bool runRequestedFit(CommandKind kind, int32_t box)
{
    const ScaleSettings& s = currentSettings();
    if (s.FitTextRequest != 0 && s.FitCommand != 0)
        runFit(FitKind::Text, box);
    else if (s.FitPictureRequest != 0)
        runFit(FitKind::Picture, box);
    else
        return false;
    finishFit(kind, box);
    return true;
}

void FitBoxToPictureCommand()
{
    takeCurrentDocument();
    const int32_t box = currentItem();
    if (box == 0)
        return;
    runFit(FitKind::Picture, box);
    finishFit(CommandKind::Palette, box);
}

void TextFitCommand()
{
    takeCurrentDocument();
    const int32_t box = currentItem();
    if (box == 0 || xt::calls::GetCurrentTool() != kItemTool || xt::calls::IsTextBox(box) == 0)
        return;
    commandState().setCurrentBoxKinds(true, commandState().currentIsPictureBox());
    if (companionKeepsBox(box)) {
        commandState().setCurrentBoxKinds(false, commandState().currentIsPictureBox());
        return;
    }
    const ScaleSettings& s = currentSettings();
    if (s.FitTextRequest == 0 || s.FitCommand == 0)
        return;
    runFit(FitKind::Text, box);
    finishFit(CommandKind::Palette, box);
}

} // namespace amplex
