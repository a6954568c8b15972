// Member lists of groups.
#include "amplex/engine/scalers/group_members.h"

#include <cstring>

#include "foundation/binding/binding.h"
#include "foundation/binding/component_calls.h"
#include "foundation/binding/host_failures.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {

std::optional<std::vector<int32_t>> groupMembers(int32_t group)
{
    xt::Handle list = nullptr;
    int16_t count = 0;
    if (xt::calls::GroupOp720(group, &list, &count) != 0 || !list)
        return std::nullopt;
    std::optional<std::vector<int32_t>> members;
    const int32_t size = xt::calls::GetHandleSize(list);
    if (count >= 0 && *list && size >= count * static_cast<int32_t>(sizeof(int32_t))) {
        members.emplace(static_cast<size_t>(count));
        std::memcpy(members->data(), *list, members->size() * sizeof(int32_t));
    }
    xt::calls::DisposeHandle(list);
    return members;
}

void selectTogether(const std::vector<int32_t>& items)
{
    xt::calls::SetCurrentBox(0);
    if (items.size() == 1) {
        xt::calls::SetCurrentBox(items.front());
        return;
    }
    int32_t gathered = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        gathered = xt::calls::GetGroupItem(gathered, items[i], i + 1 == items.size() ? 1 : 0);
        if (gathered < 0)
            foundation::noteHostFailure();
    }
}

bool isTableItem(int32_t item)
{
    uint8_t isTable = 0;
    xt::calls::XptaOp40(item, &isTable);
    return isTable != 0;
}

bool isRealGroup(int32_t group)
{
    foundation::BoxRecordLease record = foundation::BoxRecordLease::of(group);
    return record && (record->groupFlags & xt::kSelectionGroupBit) == 0;
}

} // namespace amplex
