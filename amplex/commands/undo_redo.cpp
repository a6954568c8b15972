// Undo and redo of the last scale of items.
#include "amplex/commands/undo_redo.h"

#include <optional>
#include <vector>

#include "amplex/commands/command_state.h"
#include "amplex/commands/engine_calls.h"
#include "amplex/commands/recorded_selection.h"
#include "amplex/commands/replay_items.h"
#include "amplex/commands/restore_item.h"
#include "amplex/commands/restore_text_box.h"
#include "amplex/commands/selection_measure.h"
#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/settings/settings.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding.h"
#include "foundation/host_failures.h"

namespace amplex {
namespace {

constexpr int32_t kRefresh = 1;
constexpr const char* kUndoUnfinished =
    "Amplex could not finish undoing the scale: the host refused a change. Some items may keep their new size.";
constexpr const char* kRedoUnfinished =
    "Amplex could not finish scaling again: the host refused a change. Some items may keep their old size.";

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

/// Puts the settings the recorded scale ran with in place for the scope of a redo.
class RecordedSettingsScope {
public:
    RecordedSettingsScope() : m_live(currentSettings())
    {
        if (commandState().recordedSettings())
            currentSettings() = *commandState().recordedSettings();
    }
    ~RecordedSettingsScope() { currentSettings() = m_live; }
    RecordedSettingsScope(const RecordedSettingsScope&) = delete;
    RecordedSettingsScope& operator=(const RecordedSettingsScope&) = delete;

private:
    ScaleSettings m_live;
};

/// Moves the selection by the first entry's "Fit to" move again, so that the new entries keep it.
void repeatFitMove(const UndoEntry& first)
{
    undoList().setFitOffset(first.fitOffset);
    if (first.fitOffset.v == 0 && first.fitOffset.h == 0)
        return;
    const int32_t box = currentItem();
    if (box != 0)
        foundation::reportHostResult(xt::calls::BoxOp1804(box, first.fitOffset.h, first.fitOffset.v, 1));
}

/// The same engine the recorded scale ran; returns whether it was a scale of the selection.
bool rerunEngine(int32_t box)
{
    const ScaleSettings& s = currentSettings();
    ClearUndo();
    if (s.FitTextRequest != 0 && s.FitCommand != 0) {
        runTextFit(box, textFitOf(s.FitCommand));
        return false;
    }
    if (s.FitPictureRequest != 0) {
        runPictureFit(box);
        return false;
    }
    runSelectionScale();
    return true;
}

} // namespace

void UndoScale()
{
    takeCurrentDocument();
    if (undoList().empty())
        return;
    const int32_t page = windowPage();
    const std::vector<UndoEntry> entries = undoEntries();
    const std::vector<OpenedGroup> groups = openRecordedGroups();
    for (const UndoEntry& entry : entries)
        if (entry.AnchoredItem == 0)
            RestoreItemFromUndo(entry);
    clearUndoneMarkers();
    xt::calls::StoryMode1375(1);
    closeRecordedGroups(groups);
    for (const int32_t group : undoList().regroupedGroups())
        xt::calls::XgsOp712(group, 1);
    refresh(page);
}

void RedoScale()
{
    takeCurrentDocument();
    if (undoList().empty())
        return;
    const int32_t page = windowPage();
    const std::vector<UndoEntry> entries = undoEntries();
    // Entries the host could not give back leave nothing to scale again.
    if (entries.empty())
        return;
    const std::vector<UndoEntry> replay = replayEntries(entries);
    const std::vector<int32_t> regrouped = undoList().regroupedGroups();
    RecordedSettingsScope settings;
    selectRecordedItems(entries);
    repeatFitMove(entries.front());
    const int32_t box = currentItem();
    if (box != 0)
        measureSelection(box);
    if (rerunEngine(box))
        replayItems(replay, regrouped);
    undoList().setReplayActive(false);
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
