// Text boxes: the text items of a layout seen through their stories and chains.
#include "host/model/text/text_boxes.h"

#include <tuple>
#include <unordered_map>
#include <vector>

#include "host/model/document_model.h"

namespace host::model {
namespace {

/// What the chains of a layout were last checked against. Items go only by removal and never change
/// kind, and new ones take higher references, so a removal shows in the stacking order's size or its
/// last reference. (A document read names only its own text items in its chains.)
using ItemsSeen = std::tuple<xt::DocumentRef, size_t, int32_t>;

ItemsSeen itemsSeen(const Layout& layout)
{
    const std::vector<int32_t>& order = layout.items().stackingOrder();
    return {layout.ref(), order.size(), order.empty() ? 0 : order.back()};
}

/// A master page's text shows on every page based on it, so a chain stays on master pages or off them.
bool onMasterPage(const Layout& layout, int32_t box)
{
    const Item* item = layout.items().find(box);
    return item && layout.masters().indexOf(item->pageRef()) >= 0;
}

/// Drops the boxes whose items are gone, so chains never show them. The look goes over every chain,
/// so it is taken only when the items changed since the last one: a chain question asked
/// box after box would otherwise cost the square of the boxes.
void forgetMissingBoxes(Layout& layout)
{
    static std::unordered_map<const StoryStore*, ItemsSeen> checked;
    const ItemsSeen seen = itemsSeen(layout);
    const auto last = checked.find(&layout.stories());
    if (last != checked.end() && last->second == seen)
        return;
    std::vector<int32_t> missing;
    for (const auto& [ref, story] : layout.stories().stories()) {
        for (int32_t box : layout.stories().chain(ref)) {
            if (!isTextItem(layout, box))
                missing.push_back(box);
        }
    }
    for (int32_t box : missing)
        layout.stories().removeTextBox(box);
    checked[&layout.stories()] = itemsSeen(layout);
}

/// Registers a text item that has no story yet; false for anything but a text item.
bool knowTextBox(Layout& layout, int32_t box)
{
    forgetMissingBoxes(layout);
    if (!isTextItem(layout, box))
        return false;
    if (!layout.stories().isTextBox(box))
        layout.stories().addTextBox(box);
    return true;
}

} // namespace

void followChainWithRunsOnFlag(Layout& layout, int32_t box)
{
    Item* item = layout.items().find(box);
    if (!item)
        return;
    xt::TextFields fields = item->text();
    const bool runsOn = layout.stories().nextBox(box) != 0;
    fields.flags = static_cast<uint8_t>(runsOn ? fields.flags | xt::kTextRunsOn : fields.flags & ~xt::kTextRunsOn);
    item->setText(fields);
}

bool isTextItem(const Layout& layout, int32_t box)
{
    const Item* item = layout.items().find(box);
    return item && item->kind() == xt::BoxKind::Text;
}

std::optional<TextFrame> textFrameOf(const Layout& layout, int32_t box)
{
    const Item* item = layout.items().find(box);
    if (!item || item->kind() != xt::BoxKind::Text)
        return std::nullopt;
    const xt::FixedRect bounds = ownBounds(*item);
    const xt::TextFields& text = item->text();
    TextFrame frame;
    frame.width = bounds.right - bounds.left;
    frame.height = bounds.bottom - bounds.top;
    frame.insetTop = text.insetTop;
    frame.insetLeft = text.insetsAcross[0];
    frame.insetRight = text.insetsAcross[1];
    frame.insetBottom = text.insetBottom;
    frame.columns = text.columns;
    frame.gutter = text.gutter;
    return frame;
}

Story* storyOfTextBox(Layout& layout, int32_t box)
{
    return knowTextBox(layout, box) ? layout.stories().storyOfBox(box) : nullptr;
}

int32_t previousTextBox(Layout& layout, int32_t box)
{
    return knowTextBox(layout, box) ? layout.stories().previousBox(box) : 0;
}

int32_t nextTextBox(Layout& layout, int32_t box)
{
    return knowTextBox(layout, box) ? layout.stories().nextBox(box) : 0;
}

bool linkTextBoxes(Layout& layout, int32_t box, int32_t next)
{
    if (onMasterPage(layout, box) != onMasterPage(layout, next))
        return false;
    if (!knowTextBox(layout, box) || !knowTextBox(layout, next) || !layout.stories().link(box, next))
        return false;
    followChainWithRunsOnFlag(layout, box);
    followChainWithRunsOnFlag(layout, next);
    return true;
}

bool unlinkTextBox(Layout& layout, int32_t box)
{
    if (!knowTextBox(layout, box))
        return false;
    const int32_t previous = layout.stories().previousBox(box);
    if (!layout.stories().unlink(box))
        return false;
    followChainWithRunsOnFlag(layout, box);
    if (previous)
        followChainWithRunsOnFlag(layout, previous);
    return true;
}

bool splitTextChain(Layout& layout, int32_t box, ChainSplit where)
{
    if (!knowTextBox(layout, box))
        return false;
    const int32_t previous = layout.stories().previousBox(box);
    if (!layout.stories().split(box, where))
        return false;
    for (int32_t touched : {previous, box})
        followChainWithRunsOnFlag(layout, touched);
    return true;
}

std::optional<ChainLayout> chainLayoutOf(Layout& layout, int32_t box)
{
    if (!knowTextBox(layout, box))
        return std::nullopt;
    return ChainLayout::of(
        layout.stories(), box, [&](int32_t member) { return textFrameOf(layout, member); }, &sharedCompositions());
}

} // namespace host::model
