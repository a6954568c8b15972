// The range of a linked story that one box's scale covers.
#include "amplex/engine/text/story_range.h"

#include <algorithm>

#include "amplex/engine/document/scale_page_range.h"
#include "amplex/engine/text/text_done_marker.h"
#include "amplex/engine/text/text_scale_range.h"
#include "amplex/settings/settings.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "xtapi/box_record.h"

namespace amplex {
namespace {

int32_t previousBox(int32_t box)
{
    return xt::calls::GetPreviousLinkedBox(box);
}

int32_t nextBox(int32_t box)
{
    return xt::calls::GetNextLinkedBox(box);
}

/// A box the host cannot place is on no page, so never inside a range.
int16_t pageNumberOf(int32_t box)
{
    xt::PlaceRecord place{};
    if (xt::calls::GetBoxBounds(box, 0, &place) != 0)
        return 0;
    return place.pageNumber;
}

/// A box that carries the marker had its story scaled through another box: the marker is taken
/// off and the text left alone.
bool takeDoneMarker(int32_t story)
{
    if (!currentBoxIsTextDone())
        return false;
    xt::calls::SetTextSelection(story, 0, 0, 1);
    xt::calls::StoryMode1375(1);
    clearTextDoneOnCurrentBox();
    return true;
}

std::optional<StoryRange> wholeStoryMarkingChain(int32_t box, int32_t story, int32_t length)
{
    if (takeDoneMarker(story))
        return std::nullopt;
    for (int32_t other = previousBox(box); other != 0; other = previousBox(other))
        markTextDone(other);
    for (int32_t other = nextBox(box); other != 0; other = nextBox(other))
        markTextDone(other);
    return StoryRange{0, length, false};
}

std::optional<StoryRange> ownCharacters(int32_t box, int32_t length)
{
    StoryRange range{0, length, false};
    if (previousBox(box) != 0) {
        const auto first = firstOffsetOf(box);
        if (!first)
            return std::nullopt;
        range.start = *first;
    }
    if (const int32_t next = nextBox(box); next != 0) {
        const auto first = firstOffsetOf(next);
        if (!first)
            return std::nullopt;
        range.end = *first;
        range.runsOn = true;
    }
    // A group hands down the part of the story that its survey gave this box.
    TextScaleRange given = textScaleRange();
    if (given.isSet()) {
        given.start = std::max(given.start, 0);
        given.end = std::min(given.end, length);
        setTextScaleRange(given);
        range.start = given.start;
        range.end = given.end;
    }
    return range;
}

/// The boxes next to this one that lie inside the page range scale with it: their characters join
/// the range and they are marked. A box outside the range is neither scaled nor marked; its
/// characters are left to the scale that reaches its page.
std::optional<StoryRange> charactersInPageRange(int32_t box, int32_t story, int32_t length)
{
    if (takeDoneMarker(story))
        return std::nullopt;
    const ScaledPages pages = scaledPages();
    int32_t earliest = box;
    for (int32_t other = previousBox(box); other != 0 && pages.holds(pageNumberOf(other)); other = previousBox(other)) {
        markTextDone(other);
        earliest = other;
    }
    StoryRange range{0, length, false};
    if (previousBox(earliest) != 0) {
        const auto first = firstOffsetOf(earliest);
        if (!first)
            return std::nullopt;
        range.start = *first;
    }
    int32_t beyond = nextBox(box);
    for (; beyond != 0 && pages.holds(pageNumberOf(beyond)); beyond = nextBox(beyond))
        markTextDone(beyond);
    if (beyond != 0) {
        const auto first = firstOffsetOf(beyond);
        if (!first)
            return std::nullopt;
        range.end = *first;
        range.runsOn = true;
    }
    return range;
}

} // namespace

std::optional<int32_t> firstOffsetOf(int32_t box)
{
    xt::Handle lines = xt::calls::NewHandle(0);
    if (!lines)
        return std::nullopt;
    // The host writes the selection's end over the box it is given, so it gets a copy.
    int32_t boxInOut = box;
    int32_t first = 0;
    int32_t scratch = 0;
    const int32_t status = xt::calls::CopyTextToHandle2828(&boxInOut, &first, 0, &scratch, &lines);
    xt::calls::HostResult3186(status);
    if (lines)
        xt::calls::DisposeHandle(lines);
    // An offset the host did not give would be 0, the story's start: another box's text.
    if (status != 0)
        return std::nullopt;
    return first;
}

std::optional<StoryRange> storyRangeOfBox(int32_t box, int32_t story, int32_t length)
{
    switch (currentSettings().ScaleWhat) {
    case ScaleDocument:
        return wholeStoryMarkingChain(box, story, length);
    case ScaleSelectionOnly:
        return ownCharacters(box, length);
    case ScalePageRange:
        return charactersInPageRange(box, story, length);
    default:
        return StoryRange{0, length, false};
    }
}

} // namespace amplex
