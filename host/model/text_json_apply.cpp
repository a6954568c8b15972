// Puts stories and data blocks read from a document into a layout.
#include "host/model/text/text_boxes.h"
#include "host/model/text_json.h"

namespace host::model {
namespace {

/// An anchored item lies on the page of its text, whatever page the file gave it.
void keepWithText(Layout& layout, int32_t item, int32_t box)
{
    Item* anchored = layout.items().find(item);
    const Item* holder = layout.items().find(box);
    if (anchored && holder)
        layout.items().setPageOf(*anchored, holder->pageRef());
}

void applyStory(const StoryData& data, Layout& layout, const ItemRefMap& items)
{
    std::vector<int32_t> boxes;
    for (int32_t written : data.boxes) {
        const int32_t box = items(written);
        if (box && isTextItem(layout, box) && !layout.stories().isTextBox(box))
            boxes.push_back(box);
    }
    Story* story = layout.stories().restoreChain(boxes);
    if (!story)
        return;
    story->insert(0, data.text);
    int32_t at = 0;
    for (const auto& [length, attributes] : data.characterRuns) {
        story->setCharacterAttributes({at, at + length}, attributes);
        at += length;
    }
    at = 0;
    for (const auto& [length, attributes] : data.paragraphRuns) {
        story->setParagraphAttributes({at, at + length}, attributes);
        at += length;
    }
    for (const auto& [offset, written] : data.anchors) {
        const int32_t item = items(written);
        if (item && story->attachAnchor(offset, item))
            keepWithText(layout, item, boxes.front());
    }
    story->select(data.selection.start, data.selection.end);
}

/// The object a holder belongs to in this layout, or 0 when it is gone.
int32_t ownerOf(const HolderData& data, Layout& layout, const ItemRefMap& items)
{
    switch (data.kind) {
    case HolderKind::Box:
    case HolderKind::BoxSecond:
        return items(data.object);
    case HolderKind::Page: {
        const auto page = static_cast<size_t>(data.object - 1);
        if (data.master)
            return data.object >= 1 && page < layout.masters().pageCount() ? layout.masters().page(page).ref() : 0;
        return data.object >= 1 && page < layout.pageCount() ? layout.page(page).ref() : 0;
    }
    case HolderKind::Document:
        return layout.ref();
    case HolderKind::Global:
        return 0;
    }
    return 0;
}

} // namespace

void applyLayoutText(const LayoutTextData& data, Layout& layout, const ItemRefMap& items)
{
    for (const StoryData& story : data.stories)
        applyStory(story, layout, items);
    for (const HolderData& holder : data.holders) {
        const int32_t owner = ownerOf(holder, layout, items);
        if (!owner)
            continue;
        DataBlockHolder* target = layout.dataBlocks().holder(layout.dataBlocks().holderRef(holder.kind, owner));
        for (const auto& [id, bytes] : holder.blocks)
            target->set(id, bytes);
    }
}

} // namespace host::model
