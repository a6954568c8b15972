// Undo and redo of the last scale of items.
#include "amplex/commands/undo_redo.h"

#include <vector>

#include "amplex/commands/engine_calls.h"
#include "amplex/commands/recorded_selection.h"
#include "amplex/commands/restore_item.h"
#include "amplex/commands/restore_text_box.h"
#include "amplex/commands/selection_measure.h"
#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/undo/outside_state.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"

namespace amplex {
namespace {

constexpr int32_t kRefresh = 1;
constexpr const char* kUndoUnfinished =
    "Amplex could not finish undoing the scale: the host refused a change. Some items may keep their new size.";
constexpr const char* kRedoUnfinished =
    "Amplex could not finish redoing the scale: the host refused a change. Some items may keep their old size.";

int32_t windowPage()
{
    xt::WindowRef window = 0;
    int32_t page = 0;
    xt::calls::GetDocumentWindow(documentRun().documentRef(), &window);
    if (window != 0)
        xt::calls::GetWindowValue3563(window, &page);
    return page;
}

/// The host's refresh after undo or redo, with nothing left selected.
void refresh(int32_t page)
{
    int16_t id = -1;
    xt::calls::GetCurrentDocument(&id);
    xt::calls::DocumentOp459(xt::calls::GetDocumentRef(id), kRefresh);
    xt::calls::SetCurrentBox(0);
    xt::calls::DocumentOp870(documentRun().documentRef(), page);
}

/// Puts one side of the list back: each item's record and story, and what the scale changed outside
/// them, with the groups the scale took apart opened around it.
void restoreSide(UndoSide side)
{
    undoList().setRestoring(side);
    const std::vector<UndoEntry> entries = undoEntries(side);
    const std::vector<OpenedGroup> groups = openRecordedGroups();
    for (const UndoEntry& entry : entries)
        if (entry.AnchoredItem == 0)
            RestoreItemFromUndo(entry);
    for (const OutsideState& state : undoList().outside(side))
        restoreOutsideState(state);
    clearUndoneMarkers();
    xt::calls::StoryMode1375(1);
    closeRecordedGroups(groups);
    for (const int32_t group : undoList().regroupedGroups())
        xt::calls::XgsOp712(group, 1);
    undoList().setRestoring(UndoSide::Before);
}

} // namespace

void UndoScale()
{
    takeCurrentDocument();
    if (undoList().empty())
        return;
    const int32_t page = windowPage();
    restoreSide(UndoSide::Before);
    refresh(page);
}

void RedoScale()
{
    takeCurrentDocument();
    // Scaling again would make a step and repeat's copies and pages a second time: redo puts back
    // the state the scale left instead.
    if (undoList().empty() || !undoList().head(UndoSide::After))
        return;
    const int32_t page = windowPage();
    restoreSide(UndoSide::After);
    refresh(page);
}

int32_t OnUndoScale(void*)
{
    takeCurrentDocument();
    engineState().beginScale();
    if (!undoList().empty()) {
        const foundation::HostFailureWatch watch;
        UndoScale();
        adjustAfterScale();
        if (watch.failed())
            ShowScaleWarning(kUndoUnfinished);
    }
    undoList().setReplayActive(true);
    engineState().endScale(false);
    return 0;
}

int32_t OnRedoScale(void*)
{
    takeCurrentDocument();
    engineState().beginScale();
    if (undoList().replayActive()) {
        if (!undoList().empty()) {
            const foundation::HostFailureWatch watch;
            RedoScale();
            adjustAfterScale();
            if (watch.failed())
                ShowScaleWarning(kRedoUnfinished);
        }
        undoList().setReplayActive(false);
    }
    engineState().endScale(false);
    return 0;
}

} // namespace amplex
