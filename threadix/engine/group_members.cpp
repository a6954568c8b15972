// Reading a group's member list out of the host's handle.
#include "threadix/engine/group_members.h"

#include <cstring>

#include "foundation/binding/binding.h"
#include "threadix/engine/box_facts.h"

namespace threadix {

std::vector<int32_t> groupMembers(const WorkPlace& place, int32_t group)
{
    xt::calls::SetCurrentTool(kItemTool);
    xt::Handle list = nullptr;
    int16_t count = 0;
    std::vector<int32_t> members;
    if (xt::calls::GroupOp720(group, &list, &count) == 0 && list && *list && count > 0) {
        const int32_t size = xt::calls::GetHandleSize(list);
        const auto held = static_cast<size_t>(size > 0 ? size : 0) / sizeof(int32_t);
        members.resize(std::min(held, static_cast<size_t>(count)));
        // A size the host could not give leaves no members: nothing to copy, and no pointer to copy into.
        if (!members.empty())
            std::memcpy(members.data(), *list, members.size() * sizeof(int32_t));
    }
    if (list)
        xt::calls::DisposeHandle(list);
    xt::calls::XgsOp710(place.document);
    xt::calls::SetCurrentTool(kContentTool);
    return members;
}

void showPageOf(const WorkPlace& place, int32_t box)
{
    const auto where = placeOf(box);
    if (!where || place.window == 0)
        return;
    xt::PlaceRecord page{};
    xt::calls::PageOp3594(place.window, where->pageNumber, 0, &page);
}

} // namespace threadix
