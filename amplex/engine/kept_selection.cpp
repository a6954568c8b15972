// The selection step and repeat copies from, and the selection rectangle copies scale about.
#include "amplex/engine/kept_selection.h"

#include <cstring>

#include "amplex/engine/engine_state.h"
#include "amplex/engine/host_failures.h"
#include "foundation/binding.h"

namespace amplex {
namespace {

/// Several selected items: a kind-2 item that is no real group.
bool standsForSeveral(int32_t item)
{
    if (item == 0 || xt::calls::ItemTypeOp764(item) == 0)
        return false;
    const int32_t group = xt::calls::IsGroup(item);
    if (group < 0)
        noteHostFailure();
    return group == 0;
}

std::vector<int32_t> membersOf(int32_t item)
{
    xt::Handle list = nullptr;
    int16_t count = 0;
    if (watched(xt::calls::GroupOp720(item, &list, &count)) != 0 || !list)
        return {};
    std::vector<int32_t> members;
    const auto bytes = static_cast<size_t>(xt::calls::GetHandleSize(list));
    if (count > 0 && *list && bytes >= sizeof(int32_t) * static_cast<size_t>(count)) {
        members.resize(static_cast<size_t>(count));
        std::memcpy(members.data(), *list, sizeof(int32_t) * members.size());
    }
    xt::calls::DisposeHandle(list);
    return members;
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
    xt::calls::SetCurrentBox(0);
    for (size_t i = 0; i < m_members.size(); ++i) {
        if (xt::calls::GetGroupItem(0, m_members[i], i + 1 == m_members.size() ? 1 : 0) < 0)
            noteHostFailure();
    }
}

void measureCurrentSelection()
{
    int32_t item = 0;
    watched(xt::calls::GetCurrentBox(&item));
    xt::Fixed bounds[4] = {};
    if (item != 0 && watched(xt::calls::ItemOp224(item, bounds, 0, 0)) == 0)
        engineState().setSelectionBounds({bounds[0], bounds[1], bounds[2], bounds[3]});
}

} // namespace amplex
