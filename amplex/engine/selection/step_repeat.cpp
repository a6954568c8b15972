// Step and repeat with scaling, inside one host undo step; the factors and the host's offsets are
// changed while copies are made and put back at the end.
#include "amplex/engine/selection/step_repeat.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "amplex/engine/common/after_scale.h"
#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/host_command.h"
#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/common/scaled_page.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/engine/document/page_walk.h"
#include "amplex/engine/selection/kept_selection.h"
#include "amplex/engine/selection/page_label.h"
#include "amplex/engine/selection/scale_selection.h"
#include "amplex/settings/settings.h"
#include "foundation/binding/host_failures.h"
#include "foundation/numbers/fixed_math.h"
#include "xtapi/page_records.h"

namespace amplex {
namespace {

constexpr xt::XTensionId kAmplexCreator = 0x4F524242;

struct Offsets {
    Fixed horizontal = 0;
    Fixed vertical = 0;
};

/// What the run changes and puts back at its end.
struct RunStart {
    Offsets offsets;
    Factors factors{};
    int32_t tool = 0;
    int32_t box = 0;
    int32_t page = 0;
};

/// An offset times the copy number, or nothing when it leaves the Fixed range: such a copy would
/// land past any pasteboard.
std::optional<Fixed> multiplied(Fixed offset, int32_t copy)
{
    const int64_t product = static_cast<int64_t>(offset) * copy;
    if (product > std::numeric_limits<Fixed>::max() || product < std::numeric_limits<Fixed>::min())
        return std::nullopt;
    return static_cast<Fixed>(product);
}

void stepFactors(Fixed step)
{
    ScaleSettings& settings = currentSettings();
    settings.HorizontalFactor = sum(settings.HorizontalFactor, step);
    settings.VerticalFactor = sum(settings.VerticalFactor, step);
}

/// The content tool edits inside a group's member; scaling wants the item tool there.
int32_t toolForRun(int32_t box)
{
    const int32_t tool = xt::calls::GetCurrentTool();
    if (tool < 0)
        foundation::noteHostFailure();
    if (tool != 1)
        return tool;
    const int32_t container = xt::calls::ItemTypeOp773(box);
    if (xt::calls::ItemTypeOp764(box) == 0 && (container == 0 || xt::calls::ItemTypeOp764(container) == 0))
        return tool;
    xt::calls::SetCurrentTool(0);
    return 0;
}

int32_t placePage(int32_t box)
{
    const xt::WindowRef window = runWindow();
    int32_t page = 0;
    xt::calls::GetWindowValue3563(window, &page);
    ItemPlace place{};
    if (box == 0)
        xt::calls::PageOp3594(window, page, 0, &place);
    else
        xt::calls::GetBoxBounds(box, 0, &place);
    engineState().setScaledItemPlace(place.spread, place.pageNumber);
    return place.pageNumber != 0 ? place.pageNumber : page;
}

void scaleOnce(const RunStart& start)
{
    ScaleSelection();
    const int32_t container = xt::calls::ItemTypeOp773(start.box);
    if (start.tool == 1 && currentSettings().ScaleWhat == ScaleSelectionOnly && container != 0)
        xt::calls::XgsOp712(container, 1);
}

int16_t pageCount()
{
    xt::PageInfo info{};
    xt::calls::GetPageInfo(documentRun().documentRef(), &info);
    return info.pageCount;
}

/// Copies onto new pages at the end; returns the last page added (0 when none was).
int32_t copiesOnNewPages(int32_t copies)
{
    const xt::DocumentRef ref = documentRun().documentRef();
    int32_t lastAdded = 0;
    for (int32_t k = 1; k <= copies; ++k) {
        const int16_t before = pageCount();
        xt::calls::PageOp2213(ref, before, 1, 0x88, 0, 1);
        const int16_t after = pageCount();
        if (after <= before || xt::calls::DocumentOp868(runWindow(), after) != 0)
            break;
        lastAdded = after;
        if (runHostCommand(CommandPaste)) {
            measureCurrentSelection();
            ScaleSelection();
        }
        addFactorLabel(after, currentSettings().HorizontalFactor);
        stepFactors(currentSettings().StepFactor);
    }
    return lastAdded;
}

void copiesByOffsets(const RunStart& start, int32_t copies)
{
    const KeptSelection original(start.box);
    for (int32_t k = 1; k <= copies; ++k) {
        const std::optional<Fixed> horizontal = multiplied(start.offsets.horizontal, k);
        const std::optional<Fixed> vertical = multiplied(start.offsets.vertical, k);
        if (!horizontal || !vertical)
            break;
        stepFactors(currentSettings().StepFactor);
        xt::calls::SetCurrentTool(0);
        xt::calls::SetStepRepeatOffsets(*horizontal, *vertical);
        original.select();
        if (!runHostCommand(CommandStepAndRepeat))
            continue;
        measureCurrentSelection();
        ScaleSelection();
    }
}

/// Makes the copies; returns the page to show afterwards when pages were added.
int32_t makeCopies(const RunStart& start, int32_t copies, bool onNewPages)
{
    ScaleSettings& settings = currentSettings();
    // Copies scale proportionally, by the horizontal factor.
    settings.VerticalFactor = settings.HorizontalFactor;
    if (copies == 0)
        return 0;
    if (onNewPages) {
        // The clipboard holds the user's own content until a copy is actually needed.
        if (!runHostCommand(CommandCopy))
            return 0;
        const KeptSelection original(start.box);
        return copiesOnNewPages(copies);
    }
    copiesByOffsets(start, copies);
    return 0;
}

} // namespace

void StepAndRepeatScaled()
{
    int16_t id = -1;
    xt::calls::GetCurrentDocument(&id);
    DocumentRun& run = documentRun();
    run.setDocumentRef(xt::calls::GetDocumentRef(id));
    xt::calls::GetDocumentValue464();
    RunStart start;
    xt::calls::GetStepRepeatOffsets(&start.offsets.horizontal, &start.offsets.vertical);
    xt::calls::UndoOp2951(0, kAmplexCreator, 8);
    start.box = currentItem();
    start.tool = toolForRun(start.box);
    start.page = placePage(start.box);
    start.factors = settingsFactors();

    const Fixed count = run.repeatCount();
    const int32_t copies = foundation::FixedAbs(count) >> 16;
    int32_t shownPage = start.page;
    if (copies == 1 || start.tool != 0) {
        scaleOnce(start);
    } else if (const int32_t added = makeCopies(start, copies, count < 0); added != 0) {
        shownPage = added;
    }

    xt::calls::UndoOp2952();
    currentSettings().VerticalFactor = start.factors.v;
    currentSettings().HorizontalFactor = start.factors.h;
    xt::calls::SetStepRepeatOffsets(start.offsets.horizontal, start.offsets.vertical);
    xt::calls::SetCurrentTool(start.tool);
    xt::calls::DocumentOp459(run.documentRef(), 1);
    xt::calls::DocumentOp870(run.documentRef(), shownPage);
    AdjustDocumentAfterScale();
    xt::calls::SetCursorKind(0);
}

} // namespace amplex
