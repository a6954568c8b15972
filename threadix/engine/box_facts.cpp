// Box facts through the host's record, bounds, chain and text calls.
#include "threadix/engine/box_facts.h"

#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/document/box_record_lease.h"

namespace threadix {

BoxKind boxKind(int32_t box)
{
    if (box == 0)
        return BoxKind::Other;
    const auto record = foundation::BoxRecordLease::of(box);
    if (!record)
        return BoxKind::Other;
    if (record->kind == static_cast<uint8_t>(xt::BoxKind::Group))
        return (record->groupFlags & xt::kSelectionGroupBit) != 0 ? BoxKind::Selection : BoxKind::Group;
    return xt::calls::IsTextBox(box) > 0 ? BoxKind::Text : BoxKind::Other;
}

std::optional<xt::Fixed> widthOf(int32_t box)
{
    if (box == 0)
        return std::nullopt;
    const auto record = foundation::BoxRecordLease::of(box);
    if (!record)
        return std::nullopt;
    return record->geometry.rect.right - record->geometry.rect.left;
}

std::optional<xt::PlaceRecord> placeOf(int32_t box)
{
    xt::PlaceRecord place{};
    if (box == 0 || xt::calls::GetBoxBounds(box, 0, &place) != 0)
        return std::nullopt;
    return place;
}

std::optional<BoxText> boxText(int32_t box)
{
    BoxText text;
    if (box == 0 || xt::calls::IsTextBox(box) <= 0
        || xt::calls::GetBoxTextInfo(box, &text.story, nullptr, nullptr, &text.length) != 0 || text.story == 0)
        return std::nullopt;
    return text;
}

std::optional<int32_t> firstOffsetOf(int32_t box)
{
    xt::Handle lines = xt::calls::NewHandle(0);
    if (!lines)
        return std::nullopt;
    int32_t probed = box;
    int32_t offset = 0;
    const int32_t status = xt::calls::CopyTextToHandle2828(&probed, &offset, 0, nullptr, &lines);
    xt::calls::DisposeHandle(lines);
    if (status != 0)
        return std::nullopt;
    return offset;
}

int32_t currentBox()
{
    int32_t box = 0;
    xt::calls::GetCurrentBox(&box);
    return box;
}

void makeCurrent(int32_t box)
{
    xt::calls::SetCurrentBox(box);
}

int32_t boxBefore(int32_t box)
{
    return xt::calls::GetPreviousLinkedBox(box);
}

int32_t boxAfter(int32_t box)
{
    return xt::calls::GetNextLinkedBox(box);
}

ChainNeighbours neighboursOf(int32_t box)
{
    const ChainNeighbours found{boxBefore(box), boxAfter(box)};
    if (found.after == 0) {
        // The record says whether the box's text runs on into another box.
        const auto record = foundation::BoxRecordLease::of(box);
        if (record && (record->content.text.flags & xt::kTextRunsOn) != 0)
            foundation::noteHostFailure();
    }
    // Only a chain's first box shows its text from the start of a story that holds any.
    const auto text = found.before == 0 ? boxText(box) : std::nullopt;
    if (text && text->length > 0 && firstOffsetOf(box).value_or(0) > 0)
        foundation::noteHostFailure();
    return found;
}

} // namespace threadix
