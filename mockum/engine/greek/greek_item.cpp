// Greeking one item: a text box over the part of its story it shows, a group member by member.
#include <vector>

#include "foundation/binding/binding.h"
#include "mockum/engine/common/box_text.h"
#include "mockum/engine/common/current_box.h"
#include "mockum/engine/common/document_view.h"
#include "mockum/engine/common/host_failures.h"
#include "mockum/engine/greek/greek_scopes.h"
#include "mockum/engine/greek/story_words.h"
#include "xtapi/box_record.h"

namespace mockum {
namespace {

/// The group's members in the host's order; empty when it has none or the host could not list them.
std::vector<int32_t> membersOf(int32_t group)
{
    xt::Handle list = nullptr;
    int16_t count = 0;
    if (watched(xt::calls::GroupOp720(group, &list, &count)) != 0 || !list)
        return {};
    std::vector<int32_t> members;
    if (count > 0 && xt::calls::GetHandleSize(list) >= count * static_cast<int32_t>(sizeof(int32_t))) {
        for (int16_t i = 0; i < count; ++i)
            members.push_back(xt::readAt<int32_t>(*list, static_cast<size_t>(i) * sizeof(int32_t)));
    }
    xt::calls::DisposeHandle(list);
    return members;
}

/// The part of the story the box shows: from its first character to its successor's first. A linked
/// box's neighbours are asked in their natural order, so each box greeks its own text once.
std::optional<StoryRange> shownPart(int32_t box, const BoxText& text)
{
    StoryRange range{text.story, 0, text.length, text.length};
    if (xt::calls::GetPreviousLinkedBox(box) != 0) {
        const std::optional<int32_t> first = firstOffsetOf(box);
        if (!first)
            return std::nullopt;
        range.start = *first;
    }
    if (const int32_t next = xt::calls::GetNextLinkedBox(box); next != 0) {
        const std::optional<int32_t> nextFirst = firstOffsetOf(next);
        if (!nextFirst)
            return std::nullopt;
        range.end = *nextFirst;
    }
    return range;
}

void greekTextBox(int32_t box, const GreekSettings& settings)
{
    xt::calls::SetCurrentTool(kTextTool);
    const std::optional<BoxText> text = boxText(box);
    if (!text || text->length < 2)
        return;
    const std::optional<StoryRange> range = shownPart(box, *text);
    if (!range)
        return;
    const WordTest test{.needsFollowingCharacter = false, .greekAny = settings.greekAny, .threshold = settings.sizeThreshold};
    greekStoryRange(*range, test);
    // The size test moves the selection word by word; the user's comes back.
    watched(xt::calls::SetTextSelection(text->story, text->selectionStart, text->selectionEnd, 0));
    refreshDocument(readDocumentView());
    xt::calls::StoryMode1375(1);
}

void greekGroup(int32_t group, const GreekSettings& settings)
{
    xt::calls::SetCurrentTool(kItemTool);
    const std::vector<int32_t> members = membersOf(group);
    for (const int32_t member : members) {
        xt::calls::SetCurrentBox(member);
        setCurrentBoxGlobal(member);
        GreekItem(settings);
    }
    watched(xt::calls::SetCurrentBox(group));
    setCurrentBoxGlobal(group);
}

} // namespace

void GreekItem(const GreekSettings& settings)
{
    const int32_t box = currentBox();
    if (box == 0)
        return;
    const int32_t tool = xt::calls::GetCurrentTool();
    xt::calls::SetCurrentBox(box);
    switch (boxKind(box)) {
    case BoxKind::Group:
        greekGroup(box, settings);
        break;
    case BoxKind::Text:
        greekTextBox(box, settings);
        break;
    case BoxKind::Other:
        break;
    }
    if (tool >= 0)
        watched(xt::calls::SetCurrentTool(tool));
    else
        noteHostFailure();
}

} // namespace mockum
