// The scale commands' shared sequence: page values, the fit requests, "Fit to", the checks, and
// exactly one engine run.
#include "amplex/commands/scale_command.h"

#include <optional>

#include "amplex/commands/command_state.h"
#include "amplex/commands/dialog_bridge.h"
#include "amplex/commands/engine_calls.h"
#include "amplex/commands/fit_commands.h"
#include "amplex/commands/fit_to.h"
#include "amplex/commands/page_facts.h"
#include "amplex/commands/scale_checks.h"
#include "amplex/commands/selection_measure.h"
#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/resources/amplex_id.h"
#include "amplex/settings/settings.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/numbers/fixed_math.h"

namespace amplex {
namespace {

constexpr int32_t kUndoStepKind = 8;
constexpr const char* kSelectionUnknown = "Amplex could not find out what is selected, so nothing was scaled.";
constexpr const char* kSelectionUnfinished =
    "Amplex could not finish scaling: the host refused a change, so some items may be left part scaled.";

/// Step 4: the page values that the "Fit to" entries and document scaling read.
PageFacts takePageValues()
{
    DocumentRun& run = documentRun();
    const PageFacts facts = readPageFacts(run.documentRef());
    run.setOnMasterPage(facts.masterView);
    undoList().setReplayActive(false);
    const CommandState& state = commandState();
    run.setPageRange({foundation::FixedToInt(state.dialogFirstPage()), foundation::FixedToInt(state.dialogLastPage())});
    if (currentSettings().ScaleWhat == ScaleDocument)
        run.setFitTo(run.fitToOn(), run.fitToOn());
    run.setPageOffset(currentPageOffsetOf(facts));
    return facts;
}

/// Step 6: the "Fit to" factors, written into the settings; the move is made only once the checks pass.
std::optional<FitToResult> applyFitTo(const PageFacts& facts)
{
    ScaleSettings& s = currentSettings();
    if (!documentRun().fitToOn() || s.FitToChoice == 0)
        return std::nullopt;
    const FitToInput input{s.FitToChoice, s.Constrain != 0, engineState().selectionBounds(), s.TargetWidth, s.TargetHeight};
    const auto result = documentRun().paperSizeFit() ? fitToPaper(input, facts)
                                                     : fitToEntry(input, facts, documentRun().documentRef());
    if (!result)
        return std::nullopt;
    s.HorizontalFactor = result->factors.h;
    s.VerticalFactor = result->factors.v;
    if (result->fromUpperLeft)
        s.ScaleFrom = FromUpperLeftOfSelection;
    return result;
}

xt::FixedRect movedBy(xt::FixedRect rect, xt::FixedPoint move)
{
    return {rect.top + move.v, rect.left + move.h, rect.bottom + move.v, rect.right + move.h};
}

/// Moves the selection where a "Fit to" entry places it, and keeps the move for undo.
void makeFitToMove(int32_t box, xt::FixedPoint move)
{
    if (box == 0 || (move.v == 0 && move.h == 0))
        return;
    foundation::reportHostResult(xt::calls::BoxOp1804(box, move.h, move.v, 1));
    engineState().setSelectionBounds(movedBy(engineState().selectionBounds(), move));
    undoList().setFitOffset(move);
}

/// Step 10: one engine, inside a host undo step when the palette's command runs it.
void runEngine(CommandKind kind, int16_t pageCount)
{
    ScaleSettings& s = currentSettings();
    ClearUndo();
    if (kind == CommandKind::Palette)
        xt::calls::UndoOp2951(0, kAmplexId, kUndoStepKind);
    if (s.ScaleWhat == ScaleSelectionOnly) {
        const foundation::HostFailureWatch watch;
        runSelectionScale();
        recordStateAfterScale();
        if (watch.failed())
            ShowScaleWarning(kSelectionUnfinished);
    } else {
        if (s.ScaleWhat == ScaleDocument) {
            documentRun().setPageRange({1, pageCount});
            if (s.ScaleDocumentSize)
                s.ScaleFrom = FromUpperLeftOfSelection;
        } else {
            s.ScaleDocumentSize = 0;
        }
        runDocumentScale();
    }
    if (kind == CommandKind::Palette)
        xt::calls::UndoOp2952();
}

} // namespace

int32_t beginCommand()
{
    takeCurrentDocument();
    return currentItem();
}

void runScaleSteps(CommandKind kind, int32_t box)
{
    const PageFacts facts = takePageValues();
    if (box != 0 && runRequestedFit(kind, box))
        return;
    const auto fitTo = applyFitTo(facts);
    const Factors factors = settingsFactors();
    warnIfPageRangeMayGrowOff(factors);
    if (!factorsUsable(factors))
        return;
    const xt::FixedPoint move = fitTo ? fitTo->move : xt::FixedPoint{};
    if (!staysOnPasteboard(movedBy(engineState().selectionBounds(), move), factors))
        return;
    makeFitToMove(box, move);
    runEngine(kind, facts.pageCount);
    if (currentSettings().ScaleWhat == ScaleSelectionOnly)
        undoList().setReplayActive(false);
    if (kind == CommandKind::Menu || box == 0)
        return;
    xt::calls::DocumentOp870(documentRun().documentRef(), pageNumberOf(box));
    adjustAfterScale();
}

bool selectionUnknown(const foundation::HostFailureWatch& watch)
{
    if (!watch.failed())
        return false;
    ShowScaleWarning(kSelectionUnknown);
    return true;
}

void ScaleWithSettings()
{
    undoList().setFitOffset({});
    const foundation::HostFailureWatch watch;
    const int32_t box = beginCommand();
    if (box != 0)
        measureSelection(box);
    else
        measurePage(readPageFacts(documentRun().documentRef()));
    if (selectionUnknown(watch))
        return;
    if (currentSettings().ScaleByPercent == 0)
        applySizeMode();
    runScaleSteps(CommandKind::Palette, box);
}

void prepareForDialog(int32_t box, ServiceTest test)
{
    undoList().setFitOffset({});
    ScaleSettings& s = currentSettings();
    const PageFacts facts = readPageFacts(documentRun().documentRef());
    if (box == 0) {
        measurePage(facts);
        s.TargetWidth = facts.width;
        s.TargetHeight = facts.height;
        s.ScaleWhat = ScaleDocument;
        s.HorizontalFactor = s.VerticalFactor = s.HorizontalEntry = s.VerticalEntry = xt::kFixedOne;
    } else {
        measureSelection(box, test);
        s.ScaleWhat = ScaleSelectionOnly;
    }
    const int32_t last = facts.masterView ? 2 : facts.pageCount;
    documentRun().setPageRange({1, last});
    commandState().setDialogPages(xt::kFixedOne, static_cast<Fixed>(last) << 16);
    undoList().setReplayActive(false);
}

void ScaleWithDialog()
{
    if (commandState().dialogOpen())
        return;
    const foundation::HostFailureWatch watch;
    const int32_t box = beginCommand();
    prepareForDialog(box, ServiceTest::Apply);
    if (selectionUnknown(watch))
        return;
    if (!runScaleDialog())
        return;
    runScaleSteps(CommandKind::Dialog, currentItem());
}

} // namespace amplex
