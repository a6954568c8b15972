// Text boxes, chains, selections, characters and anchors of stories.
#include <algorithm>
#include <cstring>
#include <span>

#include "host/api/operation_areas.h"
#include "host/api/story_access.h"
#include "host/model/text/text_boxes.h"

namespace host::api {
namespace {

/// The story of a text box, with every output optional; nonzero and story 0 for anything but a text box.
int32_t GetBoxTextInfo(int32_t box, int32_t* story, int32_t* selStart, int32_t* selEnd, int32_t* length)
{
    box = boxOrCurrent(box);
    model::Layout* layout = layoutOfItem(box);
    const model::Story* found = layout ? model::storyOfTextBox(*layout, box) : nullptr;
    if (story)
        *story = found ? found->ref() : 0;
    if (!found)
        return -1;
    if (selStart)
        *selStart = found->selection().start;
    if (selEnd)
        *selEnd = found->selection().end;
    if (length)
        *length = found->length();
    return 0;
}

/// A failing chain query answers "no box", as at the chain's ends.
int32_t noLinkedBox(int32_t)
{
    return 0;
}

int32_t GetPreviousLinkedBox(int32_t box)
{
    model::Layout* layout = layoutOfItem(box);
    return layout ? model::previousTextBox(*layout, box) : 0;
}

int32_t GetNextLinkedBox(int32_t box)
{
    model::Layout* layout = layoutOfItem(box);
    return layout ? model::nextTextBox(*layout, box) : 0;
}

/// The display flag (last argument) changes nothing in a host without a screen.
int32_t SetTextSelection(int32_t story, int32_t start, int32_t end, int32_t)
{
    StoryPlace place = findStory(story);
    if (!place)
        return -1;
    place.story->select(start, end);
    return 0;
}

int32_t GetTextSelection(int32_t story, int32_t* start, int32_t* end, int32_t)
{
    const StoryPlace place = findStory(story);
    if (!place)
        return -1;
    if (start)
        *start = place.story->selection().start;
    if (end)
        *end = place.story->selection().end;
    return 0;
}

/// Copies at most the characters the story has from `position`; nonzero when there are none there.
int32_t GetTextChars(int32_t story, int32_t position, int32_t count, uint16_t* out)
{
    const StoryPlace place = findStory(story);
    if (!place || !out || count < 0 || position < 0 || position >= place.story->length())
        return -1;
    count = std::min(count, place.story->length() - position);
    place.story->copyText(position, count, out);
    return 0;
}

/// A position from 0 to the story's length (which appends); one outside that is refused rather than
/// moved, so that text never lands where the caller did not ask.
int32_t InsertTextChars(int32_t story, int32_t position, int32_t count, const uint16_t* chars, int32_t)
{
    StoryPlace place = findStory(story);
    if (!place || count < 0 || (count > 0 && !chars) || position < 0 || position > place.story->length())
        return -1;
    place.story->insert(position, std::span<const uint16_t>(chars, static_cast<size_t>(count)));
    return 0;
}

/// Removes the characters [start, end) of the story.
int32_t XhjOp3103(int32_t story, int32_t start, int32_t end)
{
    StoryPlace place = findStory(story);
    if (!place || !rangeWithinStory(*place.story, start, end))
        return -1;
    place.story->erase(start, end);
    return 0;
}

int32_t ReplaceTextChars(int32_t story, int32_t position, int32_t count, const uint16_t* chars)
{
    StoryPlace place = findStory(story);
    if (!place || count < 0 || (count > 0 && !chars))
        return -1;
    return place.story->overwrite(position, std::span<const uint16_t>(chars, static_cast<size_t>(count))) ? 0 : -1;
}

/// Removes [start, end) when it lies within the story; `changed` says whether a character went.
int32_t DeleteTextRange(int32_t story, int32_t start, int32_t end, int32_t, int32_t, uint8_t* changed)
{
    StoryPlace place = findStory(story);
    if (changed)
        *changed = 0;
    if (!place || start < 0 || end < start || end > place.story->length())
        return -1;
    place.story->erase(start, end);
    if (changed)
        *changed = end > start ? 1 : 0;
    return 0;
}

int32_t FindNextAnchor(int32_t story, int32_t* position, int32_t end, int32_t, int32_t, int32_t, int32_t, uint8_t* found)
{
    const StoryPlace place = findStory(story);
    if (!place || !position)
        return -1;
    const std::optional<int32_t> anchor = place.story->nextAnchor(*position, end);
    *position = anchor.value_or(-1);
    if (found)
        *found = anchor ? 1 : 0;
    return 0;
}

/// The item anchored at `position`, or 0 (also when that item has since been deleted).
int32_t GetAnchoredItem(int32_t story, int32_t position, int32_t)
{
    const StoryPlace place = findStory(story);
    const int32_t item = place ? place.story->anchoredItem(position) : 0;
    return item && place.layout->items().find(item) ? item : 0;
}

/// The flag (third argument) asks the host to keep the text of both chains, which it always does.
int32_t LinkBoxes(int32_t box, int32_t next, int32_t)
{
    model::Layout* layout = layoutOfItem(box);
    return layout && layoutOfItem(next) == layout && model::linkTextBoxes(*layout, box, next) ? 0 : -1;
}

int32_t UnlinkChainBox(int32_t box, int32_t how)
{
    static constexpr model::ChainSplit kSplits[] = {
        model::ChainSplit::RemoveBox, model::ChainSplit::BeforeBox, model::ChainSplit::AfterBox};
    model::Layout* layout = layoutOfItem(box);
    if (!layout || how < 0 || how >= static_cast<int32_t>(std::size(kSplits)))
        return -1;
    return model::splitTextChain(*layout, box, kSplits[how]) ? 0 : -1;
}

} // namespace

void registerTextStoryOps(OperationRegistry& registry)
{
    registry.add<xt::op::GetBoxTextInfo, &GetBoxTextInfo>();
    registry.add<xt::op::GetPreviousLinkedBox, &GetPreviousLinkedBox, &noLinkedBox>();
    registry.add<xt::op::GetNextLinkedBox, &GetNextLinkedBox, &noLinkedBox>();
    registry.add<xt::op::SetTextSelection, &SetTextSelection>();
    registry.add<xt::op::GetTextSelection, &GetTextSelection>();
    registry.add<xt::op::GetTextChars, &GetTextChars>();
    registry.add<xt::op::InsertTextChars, &InsertTextChars>();
    registry.add<xt::op::XhjOp3103, &XhjOp3103>();
    registry.add<xt::op::DeleteTextRange, &DeleteTextRange>();
    registry.add<xt::op::ReplaceTextChars, &ReplaceTextChars>();
    registry.add<xt::op::FindNextAnchor, &FindNextAnchor>();
    registry.add<xt::op::GetAnchoredItem, &GetAnchoredItem>();
    registry.add<xt::op::LinkBoxes, &LinkBoxes>();
    registry.add<xt::op::UnlinkChainBox, &UnlinkChainBox>();
}

} // namespace host::api
