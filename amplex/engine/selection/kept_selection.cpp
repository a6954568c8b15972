// The selection step and repeat copies from, and the selection rectangle copies scale about.
#include "amplex/engine/selection/kept_selection.h"

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/scalers/group_members.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"

namespace amplex {
namespace {

/// Several selected items: a kind-2 item that is no real group.
bool standsForSeveral(int32_t item)
{
    if (item == 0 || xt::calls::ItemTypeOp764(item) == 0)
        return false;
    const int32_t group = xt::calls::IsGroup(item);
    if (group < 0)
        foundation::noteHostFailure();
    return group == 0;
}

/// The members of the selection; a list the host cannot give leaves the copies made from the
/// current item alone, and is noted.
std::vector<int32_t> membersOf(int32_t item)
{
    auto members = groupMembers(item);
    if (!members)
        foundation::noteHostFailure();
    return members.value_or(std::vector<int32_t>{});
}

} // namespace

KeptSelection::KeptSelection(int32_t current)
    : m_current(current), m_bounds(engineState().selectionBounds())
{
    if (standsForSeveral(current))
        m_members = membersOf(current);
}

KeptSelection::~KeptSelection()
{
    engineState().setSelectionBounds(m_bounds);
}

void KeptSelection::select() const
{
    if (m_members.empty()) {
        xt::calls::SetCurrentBox(m_current);
        return;
    }
    selectTogether(m_members);
}

void measureCurrentSelection()
{
    int32_t item = 0;
    xt::calls::GetCurrentBox(&item);
    xt::Fixed bounds[4] = {};
    if (item != 0 && xt::calls::ItemOp224(item, bounds, 0, 0) == 0)
        engineState().setSelectionBounds({bounds[0], bounds[1], bounds[2], bounds[3]});
}

} // namespace amplex
