// Scaling a table's cells again one by one for redo.
#include "amplex/commands/replay_items.h"

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/scalers/box_content_scalers.h"
#include "amplex/engine/scalers/line_scaler.h"
#include "amplex/engine/scalers/plain_box_scaler.h"
#include "amplex/undo/record_item.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding.h"

namespace amplex {
namespace {

constexpr int32_t kItemTool = 1;

void scaleByKind(const UndoEntry& entry)
{
    const auto kind = static_cast<xt::BoxKind>(entry.kind);
    if (kind == xt::BoxKind::PlainZero && entry.shape == xt::shape::kLine)
        ScaleLine(entry.item);
    else if (kind == xt::BoxKind::Text)
        ScaleTextBox(entry.item);
    else if (kind == xt::BoxKind::Picture)
        ScalePictureBox(entry.item);
    else if (kind == xt::BoxKind::Plain && entry.shape == xt::shape::kRectangle)
        ScalePlainBox(entry.item);
}

} // namespace

std::vector<UndoEntry> replayEntries(const std::vector<UndoEntry>& entries)
{
    std::vector<UndoEntry> replay;
    for (const UndoEntry& entry : entries)
        if (entry.ReplayItem != 0)
            replay.push_back(entry);
    return replay;
}

void replayItems(const std::vector<UndoEntry>& replay, const std::vector<int32_t>& regrouped)
{
    if (replay.empty())
        return;
    const int32_t tool = xt::calls::GetCurrentTool();
    xt::calls::SetCurrentTool(kItemTool);
    {
        TableScaleScope table;
        for (const UndoEntry& entry : replay) {
            xt::calls::SetCurrentBox(entry.item);
            RecordItemForUndo(entry.item, Anchored::No, Replay::Yes);
            scaleByKind(entry);
        }
    }
    for (const int32_t group : regrouped) {
        undoList().noteRegroupedGroup(group);
        xt::calls::XgsOp712(group, 1);
    }
    xt::calls::SetCurrentTool(tool);
}

} // namespace amplex
