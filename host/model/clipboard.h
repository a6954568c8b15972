// The host's clipboard and the item copies behind the commands copy (205), paste (206) and
// duplicate (506): an item is copied as a snapshot, so later changes to it do not reach the copy.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/model/items/item_store.h"
#include "host/model/text/story_store.h"
#include "host/model/text/text_piece.h"
#include "xtapi/box_record.h"
#include "xtapi/drop_shadow.h"

namespace host::model {

/// Everything needed to build an item again (its colours travel in the record). Tables are not copied.
struct ItemSnapshot {
    xt::BoxKind kind = xt::BoxKind::Plain;
    uint8_t shape = 0;
    GroupRole role = GroupRole::None;
    xt::BoxRecord record{};
    std::vector<xt::FixedPoint> points;
    bool shaped = false;
    std::optional<xt::DropShadowRecord> shadow;
    bool locked = false;
    int32_t layer = 0;
    std::optional<TextSnapshot> text;
    std::vector<ItemSnapshot> members;
};

/// The items a copy takes: the members of a multi-item selection, or the one current item.
std::vector<int32_t> copiedItems(const ItemStore& items);
/// Null when the item is a table or holds one.
std::optional<ItemSnapshot> snapshotOf(const ItemStore& items, const StoryStore& stories, int32_t ref);
/// Builds the snapshot on `pageRef`, moved by (dv, dh); returns the new item, or 0 when it cannot be built.
int32_t rebuild(ItemStore& items, StoryStore& stories, const ItemSnapshot& snapshot, int32_t pageRef,
    xt::Fixed dv, xt::Fixed dh);

/// Holds either items or a piece of text: what was cut or copied last.
class Clipboard {
public:
    /// The items and the spread position of the page they came from (a paste keeps their place on the page).
    void put(std::vector<ItemSnapshot> items, xt::FixedPoint pageOrigin);
    /// Text cut from a story, with its attributes; the items held before are dropped.
    void putText(TextSnapshot text);
    bool empty() const { return m_items.empty(); }
    const std::vector<ItemSnapshot>& items() const { return m_items; }
    xt::FixedPoint pageOrigin() const { return m_pageOrigin; }
    /// The text cut last, unless items were copied after it.
    const std::optional<TextSnapshot>& text() const { return m_text; }

private:
    std::vector<ItemSnapshot> m_items;
    xt::FixedPoint m_pageOrigin{};
    std::optional<TextSnapshot> m_text;
};

/// The host's step-and-repeat offsets: horizontal first, vertical second.
struct StepRepeatOffsets {
    xt::Fixed horizontal = 18 * xt::kFixedOne;
    xt::Fixed vertical = 18 * xt::kFixedOne;
};

} // namespace host::model
