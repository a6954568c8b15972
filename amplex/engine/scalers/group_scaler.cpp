// ScaleGroup and ScaleGroupItems: one scale of a group's members, with the differences of an
// anchored group.
#include "amplex/engine/scalers/group_scaler.h"

#include <optional>
#include <vector>

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/scalers/box_content_scalers.h"
#include "amplex/engine/scalers/group_members.h"
#include "amplex/engine/scalers/item_bounds.h"
#include "amplex/engine/scalers/table_scaler.h"
#include "amplex/engine/selection/item_routes.h"
#include "amplex/engine/text/group_stories.h"
#include "amplex/engine/text/text_scale_range.h"
#include "amplex/undo/record_item.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/component_calls.h"
#include "foundation/binding/host_failures.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

constexpr int32_t kItemTool = 0;
constexpr int32_t kContentTool = 1;

enum class GroupUse : uint8_t { Selected, Anchored };

using Members = std::vector<int32_t>;

std::optional<xt::DropShadowRecord> shadowOf(int32_t group)
{
    uint8_t hasShadow = 0;
    xt::calls::DropShadowOp8(group, &hasShadow, 0);
    xt::DropShadowRecord shadow{};
    if (!hasShadow || xt::calls::GetDropShadow(group, &shadow) != 0)
        return std::nullopt;
    return shadow;
}

/// Gives the group that stands after the scale its shadow again, scaled with the group.
void putShadowBack(xt::DropShadowRecord shadow, int32_t group)
{
    const int32_t target = xt::calls::ItemTypeOp764(group) != 0 ? group : xt::calls::ItemTypeOp773(group);
    if (target == 0)
        return;
    if (currentSettings().ScaleShadowOffsets) {
        const Fixed factor = settingsFactors().smaller();
        shadow.offsetAcross = xt::calls::FixedMultiply(shadow.offsetAcross, factor);
        shadow.offsetDown = xt::calls::FixedMultiply(shadow.offsetDown, factor);
    }
    xt::calls::DropShadowOp0(target, &shadow);
    uint8_t hasShadow = 0;
    xt::calls::DropShadowOp8(target, &hasShadow, 0);
}

void setToolFor(GroupUse use)
{
    if (use == GroupUse::Anchored)
        xt::calls::SetCurrentTool(kContentTool);
}

/// First pass: records every member and brings the origin to the members' common upper left, so
/// that they all scale about one point. Returns each member's route, from the same record: a
/// member whose record the host would not give has none and is left as it is.
std::vector<Route> recordMembersAndFindOrigin(const Members& members, GroupUse use)
{
    const bool selection = scalingSelection();
    const bool centred = currentSettings().ScaleFrom == FromCenterOfSelection;
    std::vector<Route> routes(members.size(), Route{OriginRule::Rectangle, ScalerId::None});
    for (size_t i = 0; i < members.size(); ++i) {
        const int32_t member = members[i];
        setToolFor(use);
        xt::calls::SetCurrentBox(member);
        foundation::BoxRecordLease record = foundation::BoxRecordLease::of(member);
        if (!record)
            continue;
        routes[i] = selectionRoute(record->kind, record->shape);
        const Anchored anchored = use == GroupUse::Anchored ? Anchored::Yes : Anchored::No;
        if (selection)
            recordItemFromRecord(member, *record.get(), anchored, Replay::No);
        if (centred || !selection)
            continue;
        if (const auto corner = ownUpperLeft(member, *record.get()))
            engineState().lowerOriginTo(*corner);
    }
    return routes;
}

void scaleTextMember(int32_t member, GroupUse use)
{
    // An anchored group's boxes scale their whole stories; a selected group's boxes the part the
    // survey found for them.
    if (use == GroupUse::Anchored)
        resetTextScaleRange();
    else
        setTextScaleRange(groupStories().nextRange());
    ScaleTextBox(member);
}

/// Second pass: each member goes to its scaler. A member group may come back as a new reference.
/// An item's kind and shape never change, so the routes of the first pass still hold.
void scaleMembers(Members& members, const std::vector<Route>& routes, GroupUse use)
{
    for (size_t i = 0; i < members.size(); ++i) {
        int32_t& member = members[i];
        const Route route = routes[i];
        setToolFor(use);
        xt::calls::SetCurrentBox(member);
        if (route.scaler == ScalerId::None)
            continue;
        if (route.scaler == ScalerId::Group)
            member = ScaleGroup();
        else if (route.scaler == ScalerId::TextBox)
            scaleTextMember(member, use);
        else
            runItemScaler(route.scaler, member);
    }
}

/// Selects the members together again, as the selection they were or as the real group they were;
/// returns the item now current.
int32_t rejoin(int32_t group, const Members& members, bool regroup)
{
    int32_t gathered = currentItem();
    for (size_t i = 0; i < members.size(); ++i) {
        if (members[i] <= 0)
            continue;
        gathered = xt::calls::GetGroupItem(gathered, members[i], i + 1 == members.size() ? 1 : 0);
        if (gathered < 0)
            foundation::noteHostFailure();
    }
    // The selection of several items is whole again as soon as its members are gathered; a group
    // inside it may have made the host forget the pseudo-group that stood for it before.
    int32_t result = gathered;
    if (regroup) {
        if (int32_t* slot = xt::calls::ItemOp207())
            *slot = group;
        const int32_t formed = xt::calls::XgsOp3970(group, 1);
        result = formed > 0 ? formed : group;
    }
    xt::calls::XgsOp712(result, 1);
    const int32_t now = currentItem();
    return now != 0 ? now : result;
}

int32_t scaleGroupAs(int32_t group, GroupUse use)
{
    if (isTableItem(group)) {
        ScaleTableItem(group);
        return use == GroupUse::Anchored ? currentItem() : group;
    }
    const auto shadow = use == GroupUse::Selected ? shadowOf(group) : std::nullopt;
    ToolKeeper tool;
    xt::calls::SetCurrentTool(kItemTool);
    keepScaledItemPlace(group);
    // A real group is taken apart into a selection of its members, and formed again at the end.
    const bool regroup = use == GroupUse::Selected && isRealGroup(group);
    if (regroup)
        xt::calls::XgsOp3971(group);
    engineState().beginScale();

    auto members = groupMembers(group);
    if (!members) {
        ShowScaleWarning("Memory problem!");
        if (regroup)
            xt::calls::XgsOp3970(group, 1);
        engineState().endScale(undoList().replayActive());
        return group;
    }
    xt::calls::XgsOp711(group);
    const std::vector<Route> routes = recordMembersAndFindOrigin(*members, use);
    scaleMembers(*members, routes, use);
    xt::calls::SetCurrentTool(kItemTool);

    int32_t result = group;
    if (use == GroupUse::Anchored)
        xt::calls::XgsOp712(group, 1);
    else if (!engineState().documentScalingActive())
        result = rejoin(group, *members, regroup);
    engineState().endScale(undoList().replayActive());
    if (shadow)
        putShadowBack(*shadow, result);
    if (regroup && scalingSelection())
        undoList().noteUngroupedGroup(result);
    return use == GroupUse::Anchored ? currentItem() : result;
}

} // namespace

int32_t ScaleGroup()
{
    return scaleGroupAs(currentItem(), GroupUse::Selected);
}

int32_t ScaleGroupItems(int32_t group)
{
    return scaleGroupAs(group, GroupUse::Anchored);
}

} // namespace amplex
