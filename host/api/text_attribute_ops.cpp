// Character attributes of the selection, run lists, paragraph attributes by code, and tab lists.
#include <cstring>

#include "host/api/operation_areas.h"
#include "host/api/story_access.h"
#include "win32/standin.h"
#include "xtapi/text_records.h"

namespace host::api {
namespace {

/// The attributes of the selection's first character, or of the insertion point.
const model::CharacterAttributes& firstCharacter(const model::Story& story)
{
    const model::TextRange selection = story.selection();
    if (selection.empty())
        return story.characterAttributesAt(selection.start);
    return story.characterRuns().valueAt(selection.start);
}

/// A value of the selection (-1 when its characters differ); code 0 fills a CharacterRecord.
xt::Fixed GetTextValue691(int32_t story, int32_t code, void* record, int32_t)
{
    const StoryPlace place = findStory(story);
    if (!place)
        return -1;
    if (code == xt::kCharAttributes) {
        if (!record)
            return -1;
        const xt::CharacterRecord filled = model::characterRecord(firstCharacter(*place.story));
        std::memcpy(record, &filled, sizeof filled);
        return 0;
    }
    const std::optional<xt::CharacterCode> attribute = model::characterCodeOf(code);
    if (!attribute)
        return -1;
    return place.story->characterValue(place.story->selection(), *attribute);
}

/// Sets a character attribute on the selection; the value is stored as given.
int32_t SetStoryValue3094(int32_t story, int32_t code, xt::Fixed value)
{
    StoryPlace place = findStory(story);
    const std::optional<xt::CharacterCode> attribute = model::characterCodeOf(code);
    if (!place || !attribute)
        return -1;
    place.story->setCharacterValue(place.story->selection(), *attribute, value);
    return 0;
}

/// Writes `count` 8-byte run entries into the caller's block, resizing it.
template <class Value, class StyleId>
int32_t writeRuns(const model::RunList<Value>& runs, StyleId styleId, int32_t* count, xt::Handle* list)
{
    if (!count || !list || !*list || !win32::isHandle(*list))
        return -1;
    const auto n = static_cast<int32_t>(runs.runCount());
    if (!win32::setHandleSize(*list, n * static_cast<int32_t>(sizeof(xt::RunEntry))))
        return win32::memoryError();
    for (int32_t i = 0; i < n; ++i) {
        const auto index = static_cast<size_t>(i);
        const xt::RunEntry entry{styleId(runs.valueOfRun(index)), runs.endOfRun(index) - runs.startOfRun(index)};
        std::memcpy(**list + i * static_cast<int32_t>(sizeof entry), &entry, sizeof entry);
    }
    *count = n;
    return 0;
}

int32_t TextOp3095(int32_t story, int32_t* count, xt::Handle* list)
{
    StoryPlace place = findStory(story);
    if (!place)
        return -1;
    model::Story& s = *place.story;
    return writeRuns(s.characterRuns(), [&](const model::CharacterAttributes& a) { return s.characterStyleId(a); }, count, list);
}

int32_t TextOp3096(int32_t story, int32_t* count, xt::Handle* list)
{
    StoryPlace place = findStory(story);
    if (!place)
        return -1;
    model::Story& s = *place.story;
    return writeRuns(s.paragraphRuns(), [&](const model::ParagraphAttributes& a) { return s.paragraphStyleId(a); }, count, list);
}

/// A paragraph attribute of the paragraphs [start, end) touches (-1 when they differ). Code 0 fills the
/// first paragraph's ParagraphRecord; code 0x36 gives its tab reference.
int32_t GetTextRunAttribute(int32_t story, int32_t start, int32_t end, int32_t code, void* record, xt::Fixed* value)
{
    StoryPlace place = findStory(story);
    if (!place)
        return -1;
    model::Story& s = *place.story;
    const model::ParagraphAttributes& first = s.paragraphAttributesAt(s.paragraphsOf({start, end}).start);
    if (code == xt::kParaAttributes || code == xt::kParaTabs) {
        const int32_t tabs = s.tabReference(first.tabs);
        if (code == xt::kParaAttributes && record) {
            const xt::ParagraphRecord filled = model::paragraphRecord(first, tabs);
            std::memcpy(record, &filled, sizeof filled);
        }
        if (value)
            *value = code == xt::kParaTabs ? tabs : 0;
        return 0;
    }
    if (!model::isParagraphValueCode(code))
        return -1;
    if (value)
        *value = s.paragraphValue({start, end}, code);
    return 0;
}

/// Sets a paragraph attribute on the paragraphs [start, end) touches. For code 0x36 the value is a
/// handle of 16-byte tab entries (0: no tabs), which the caller keeps.
int32_t SetTextRunAttribute(int32_t story, int32_t start, int32_t end, int32_t code, intptr_t value, int32_t)
{
    StoryPlace place = findStory(story);
    if (!place || !rangeWithinStory(*place.story, start, end))
        return -1;
    if (code != xt::kParaTabs) {
        if (!model::isParagraphValueCode(code))
            return -1;
        place.story->setParagraphValue({start, end}, code, static_cast<xt::Fixed>(value));
        return 0;
    }
    const auto handle = reinterpret_cast<xt::Handle>(value);
    if (handle && !win32::isHandle(handle))
        return -1;
    const std::optional<model::TabStops> tabs = handle ? model::readTabEntries(*handle, win32::handleSize(handle)) : model::TabStops{};
    if (!tabs)
        return -1;
    place.story->setTabs({start, end}, *tabs);
    return 0;
}

/// The tab context of a story is the story itself: tab references are the story's.
int32_t GetStoryTabContext(int32_t story, int32_t* context)
{
    if (!findStory(story) || !context)
        return -1;
    *context = story;
    return 0;
}

/// Writes the count (+2) and a new caller-owned handle of the tab entries (+4) into a TabList.
int32_t GetTabList(int32_t context, int32_t tabReference, void* list)
{
    const StoryPlace place = findStory(context);
    if (!list)
        return -1;
    const model::TabStops* tabs = place ? place.story->tabsOf(tabReference) : nullptr;
    int16_t count = 0;
    xt::Handle entries = nullptr;
    if (tabs) {
        entries = win32::newHandle(static_cast<int32_t>(tabs->size() * sizeof(xt::TabEntry)));
        if (!entries)
            return win32::memoryError();
        count = static_cast<int16_t>(tabs->size());
        for (size_t i = 0; i < tabs->size(); ++i) {
            const xt::TabEntry entry = model::tabEntry((*tabs)[i]);
            std::memcpy(*entries + i * sizeof entry, &entry, sizeof entry);
        }
    }
    auto* bytes = static_cast<char*>(list);
    std::memcpy(bytes + offsetof(xt::TabList, count), &count, sizeof count);
    std::memcpy(bytes + offsetof(xt::TabList, entries), &entries, sizeof entries);
    return tabs ? 0 : -1;
}

} // namespace

void registerTextAttributeOps(OperationRegistry& registry)
{
    registry.add<xt::op::GetTextValue691, &GetTextValue691>();
    registry.add<xt::op::SetStoryValue3094, &SetStoryValue3094>();
    registry.add<xt::op::TextOp3095, &TextOp3095>();
    registry.add<xt::op::TextOp3096, &TextOp3096>();
    registry.add<xt::op::GetTextRunAttribute, &GetTextRunAttribute>();
    registry.add<xt::op::SetTextRunAttribute, &SetTextRunAttribute>();
    registry.add<xt::op::GetStoryTabContext, &GetStoryTabContext>();
    registry.add<xt::op::GetTabList, &GetTabList>();
}

} // namespace host::api
