// ScaleSelection: the origin by the item's kind and shape, the linked-chain questions, the scaler.
#include "amplex/engine/selection/scale_selection.h"

#include <optional>

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/scalers/box_content_scalers.h"
#include "amplex/engine/scalers/group_members.h"
#include "amplex/engine/scalers/group_scaler.h"
#include "amplex/engine/scalers/item_bounds.h"
#include "amplex/engine/scalers/line_scaler.h"
#include "amplex/engine/selection/item_routes.h"
#include "amplex/engine/text/group_stories.h"
#include "amplex/engine/text/text_scale_range.h"
#include "amplex/undo/record_item.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding/binding.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

constexpr int32_t kWatchCursor = -1;

/// What the engine needs of the item's record before it lets the record go.
struct ItemFacts {
    uint8_t kind = 0;
    uint8_t shape = 0;
    std::optional<FixedRect> outline;  // the rectangle, or the shape data's
};

/// Reads the current item's record, and records the item for undo from it when the selection is
/// being scaled. A group's members are recorded one by one as the group scaler reaches them.
std::optional<ItemFacts> readAndRecordCurrentItem(int32_t item)
{
    foundation::BoxRecordLease record = foundation::BoxRecordLease::ofCurrentItem();
    if (!record)
        return std::nullopt;
    if (record->kind != static_cast<uint8_t>(xt::BoxKind::Group) && scalingSelection())
        recordItemFromRecord(item, *record.get(), Anchored::No, Replay::No);
    return ItemFacts{record->kind, record->shape, foundation::outlineRect(*record.get())};
}

bool centredOnSelection()
{
    return currentSettings().ScaleFrom == FromCenterOfSelection;
}

/// Centre of the rectangle, or its upper left when the selection is scaled; in the document modes
/// the driver's origin stays.
void originFromRect(const FixedRect& rect)
{
    if (centredOnSelection())
        engineState().setOrigin(centreOf(rect));
    else if (scalingSelection())
        engineState().lowerOriginTo(topLeftOf(rect));
}

/// A line scales about its own first end (or its middle) in every mode. Returns the ends it read.
std::optional<LineEnds> originFromLine(int32_t item)
{
    const auto ends = GetItemBounds(item);
    if (!ends)
        return std::nullopt;
    engineState().setOrigin(ends->first);
    if (centredOnSelection())
        engineState().setOrigin(midpointOf(ends->first, ends->second));
    else if (scalingSelection())
        engineState().lowerOriginTo(ends->second);
    return ends;
}

void originFromGroup(const ItemFacts& facts)
{
    if (centredOnSelection()) {
        if (facts.outline)
            engineState().setOrigin(centreOf(*facts.outline));
        return;
    }
    if (scalingSelection())
        engineState().lowerOriginTo(topLeftOf(engineState().selectionBounds()));
}

/// Places the origin; a line's end points, once read for it, are handed on to its scaler.
std::optional<LineEnds> placeOrigin(OriginRule rule, int32_t item, const ItemFacts& facts)
{
    switch (rule) {
    case OriginRule::Rectangle:
    case OriginRule::ShapeRecord:
        if (facts.outline)
            originFromRect(*facts.outline);
        return std::nullopt;
    case OriginRule::Line:
        return originFromLine(item);
    case OriginRule::Group:
        originFromGroup(facts);
        return std::nullopt;
    }
    return std::nullopt;
}

bool isLinked(int32_t box)
{
    return xt::calls::GetPreviousLinkedBox(box) != 0 || xt::calls::GetNextLinkedBox(box) != 0;
}

void scaleSelectedTextBox(int32_t item)
{
    const int32_t box = currentItem();
    if (scalingSelection() && isLinked(box) && !ConfirmLinkedChainScale())
        return;
    resetTextScaleRange();
    ScaleTextBox(item);
}

void scaleSelectedGroup(int32_t item)
{
    GroupStories& stories = groupStories();
    stories.reset();
    // A table's cells are no group members: its survey would find nothing to ask about.
    if (!isTableItem(item))
        CollectGroupStories(item);
    if (scalingSelection() && stories.chainLeavesGroup() && !ConfirmLinkedChainScale())
        return;
    stories.resetCursor();
    ScaleGroup();
}

void runSelectedScaler(ScalerId scaler, int32_t item, const std::optional<LineEnds>& lineEnds)
{
    if (scaler == ScalerId::Group)
        scaleSelectedGroup(item);
    else if (scaler == ScalerId::TextBox)
        scaleSelectedTextBox(item);
    else if (scaler == ScalerId::Line && lineEnds)
        ScaleLine(item, *lineEnds);
    else
        runItemScaler(scaler, item);
}

} // namespace

void ScaleSelection()
{
    xt::calls::SetCursorKind(kWatchCursor);
    const int32_t item = currentItem();
    if (item == 0)
        return;
    const auto facts = readAndRecordCurrentItem(item);
    if (!facts)
        return;

    engineState().beginScale();
    if (scalingSelection())
        engineState().setOrigin({kOriginSentinel, kOriginSentinel});
    keepScaledItemPlace(item);
    const Route route = selectionRoute(facts->kind, facts->shape);
    if (route.scaler != ScalerId::None) {
        const auto lineEnds = placeOrigin(route.origin, item, *facts);
        runSelectedScaler(route.scaler, item, lineEnds);
    }
    engineState().endScale(undoList().replayActive());
}

} // namespace amplex
