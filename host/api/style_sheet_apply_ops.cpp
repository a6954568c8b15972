// Style sheets applied to the text of a story: the paragraph sheet to the selected paragraphs, the
// character sheet to the selection or the insertion point.
#include "host/api/operation_areas.h"
#include "host/api/story_access.h"
#include "host/model/text/style_sheet_text.h"

namespace host::api {
namespace {

/// The style of the kind at `index` (from 0) in the story's layout, or 0.
int32_t styleOfStoryLayout(const StoryPlace& place, int32_t kind, int32_t index)
{
    if (!place || index < 0)
        return 0;
    return place.layout->styleSheets().styleAt(kind, static_cast<size_t>(index));
}

int32_t ApplyParagraphStyleSheet(int32_t index, int32_t, int32_t, int32_t story)
{
    StoryPlace place = findStory(story);
    const int32_t ref = styleOfStoryLayout(place, xt::kParagraphStyle, index);
    const model::ParagraphStyle* style = ref ? place.layout->styleSheets().findParagraph(ref) : nullptr;
    if (!style)
        return -1;
    model::applyParagraphStyle(*place.story, place.story->selection(), *style);
    return 0;
}

int32_t ApplyCharacterStyleSheet(int32_t index, int32_t, int32_t story)
{
    StoryPlace place = findStory(story);
    const int32_t ref = styleOfStoryLayout(place, xt::kCharacterStyle, index);
    const model::CharacterStyle* style = ref ? place.layout->styleSheets().findCharacter(ref) : nullptr;
    if (!style)
        return -1;
    model::applyCharacterStyle(*place.story, place.story->selection(), *style);
    return 0;
}

} // namespace

void registerStyleSheetApplyOps(OperationRegistry& registry)
{
    registry.add<xt::op::ApplyParagraphStyleSheet, &ApplyParagraphStyleSheet>();
    registry.add<xt::op::ApplyCharacterStyleSheet, &ApplyCharacterStyleSheet>();
}

} // namespace host::api
