// Item snapshots for the clipboard and for duplicates, and building items again from them.
#include "host/model/clipboard.h"

namespace host::model {
namespace {

std::optional<TextSnapshot> textOf(const StoryStore& stories, int32_t box)
{
    const Story* story = stories.storyOfBox(box);
    // Only the first box of a chain carries the text; a later box is copied empty.
    if (!story || stories.previousBox(box) != 0)
        return std::nullopt;
    return copyText(*story, {0, story->length()});
}

void restoreText(StoryStore& stories, int32_t box, const TextSnapshot& text)
{
    if (!stories.isTextBox(box) && !stories.addTextBox(box))
        return;
    Story* story = stories.storyOfBox(box);
    if (!story)
        return;
    insertText(*story, 0, text);
}

Item* buildOwn(ItemStore& items, const ItemSnapshot& snapshot, int32_t pageRef)
{
    if (snapshot.shaped)
        return items.addShaped(pageRef, snapshot.kind, snapshot.shape, snapshot.points);
    return &items.addItem(pageRef, snapshot.kind, snapshot.shape, snapshot.record.geometry.rect);
}

int32_t rebuildGroup(ItemStore& items, StoryStore& stories, const ItemSnapshot& snapshot, int32_t pageRef,
    xt::Fixed dv, xt::Fixed dh)
{
    std::vector<int32_t> members;
    for (const ItemSnapshot& member : snapshot.members) {
        const int32_t ref = rebuild(items, stories, member, pageRef, dv, dh);
        if (ref != 0)
            members.push_back(ref);
    }
    Item* group = members.empty() ? nullptr : items.addGroup(members);
    return group ? group->ref() : 0;
}

} // namespace

std::vector<int32_t> copiedItems(const ItemStore& items)
{
    const Item* current = items.find(items.current());
    if (!current)
        return {};
    if (current->groupRole() == GroupRole::Selection)
        return current->members();
    return {current->ref()};
}

std::optional<ItemSnapshot> snapshotOf(const ItemStore& items, const StoryStore& stories, int32_t ref)
{
    const Item* item = items.find(ref);
    if (!item || item->groupRole() == GroupRole::Table)
        return std::nullopt;
    ItemSnapshot snapshot;
    snapshot.kind = item->kind();
    snapshot.shape = item->shape();
    snapshot.role = item->groupRole();
    snapshot.record = item->record();
    if (const ShapeData* data = item->shapeData()) {
        snapshot.shaped = true;
        snapshot.points = data->points();
    }
    snapshot.shadow = item->dropShadow();
    snapshot.locked = item->isLocked();
    snapshot.layer = item->layer();
    if (item->kind() == xt::BoxKind::Text)
        snapshot.text = textOf(stories, ref);
    for (int32_t member : item->members()) {
        std::optional<ItemSnapshot> copy = snapshotOf(items, stories, member);
        if (!copy)
            return std::nullopt;
        snapshot.members.push_back(std::move(*copy));
    }
    return snapshot;
}

int32_t rebuild(ItemStore& items, StoryStore& stories, const ItemSnapshot& snapshot, int32_t pageRef,
    xt::Fixed dv, xt::Fixed dh)
{
    if (snapshot.role == GroupRole::Group || snapshot.role == GroupRole::Selection)
        return rebuildGroup(items, stories, snapshot, pageRef, dv, dh);
    Item* item = buildOwn(items, snapshot, pageRef);
    if (!item)
        return 0;
    item->apply(snapshot.record);
    item->setLocked(snapshot.locked);
    item->setLayer(snapshot.layer);
    if (snapshot.shadow)
        item->setDropShadow(*snapshot.shadow);
    items.moveBy(*item, dv, dh);
    if (snapshot.kind == xt::BoxKind::Text)
        restoreText(stories, item->ref(), snapshot.text.value_or(TextSnapshot{}));
    return item->ref();
}

void Clipboard::put(std::vector<ItemSnapshot> items, xt::FixedPoint pageOrigin)
{
    m_items = std::move(items);
    m_pageOrigin = pageOrigin;
    m_text.reset();
}

void Clipboard::putText(TextSnapshot text)
{
    m_items.clear();
    m_text = std::move(text);
}

} // namespace host::model
