// Walking a spread's items front to back, and deleting items with what hangs on them.
#include "host/model/items/item_walk.h"

#include <algorithm>
#include <vector>

#include "host/model/document_model.h"
#include "host/model/spread_layout.h"

namespace host::model {
namespace {

bool isWalked(const Item& item)
{
    return item.parent() == 0 && item.groupRole() != GroupRole::Selection;
}

/// The page references of a spread's document pages.
std::vector<int32_t> pageRefsOfSpread(const Layout& layout, size_t spread)
{
    std::vector<int32_t> refs;
    for (size_t index : pagesOfSpread(layout, spread))
        refs.push_back(layout.page(index).ref());
    return refs;
}

/// The walked item nearest the front among those of the pages behind reference `bound` (0: behind none).
/// References are the stacking order, so each page's list answers for its own items.
int32_t frontmostBefore(const Layout& layout, int32_t bound, const std::vector<int32_t>& pages)
{
    int32_t frontmost = 0;
    for (int32_t page : pages) {
        const std::vector<int32_t>& refs = layout.items().onPage(page);
        auto at = bound == 0 ? refs.end() : std::lower_bound(refs.begin(), refs.end(), bound);
        while (at != refs.begin()) {
            --at;
            if (*at <= frontmost)
                break;
            if (isWalked(*layout.items().find(*at))) {
                frontmost = *at;
                break;
            }
        }
    }
    return frontmost;
}

/// Members first, so that each leaves its chain while the store still knows it.
void forgetShown(Layout& layout, int32_t ref)
{
    const Item* item = layout.items().find(ref);
    if (!item)
        return;
    for (int32_t member : item->members())
        forgetShown(layout, member);
    if (item->groupRole() == GroupRole::Selection)
        return;
    if (layout.stories().isTextBox(ref)) {
        const int32_t previous = layout.stories().previousBox(ref);
        layout.stories().removeTextBox(ref);
        // The box before it no longer runs on when the deleted box ended the chain.
        if (Item* before = layout.items().find(previous); before && layout.stories().nextBox(previous) == 0) {
            xt::TextFields fields = before->text();
            fields.flags = static_cast<uint8_t>(fields.flags & ~xt::kTextRunsOn);
            before->setText(fields);
        }
    }
    layout.dataBlocks().forgetObject(ref);
}

} // namespace

std::optional<size_t> spreadOfPage(const Layout& layout, int32_t pageRef)
{
    const auto slot = slotOfRef(layout, pageRef);
    if (!slot || slot->list != PageList::Document)
        return std::nullopt;
    return static_cast<size_t>(placeOf(layout, *slot).spread);
}

int32_t firstItemOfSpread(const Layout& layout, size_t spread)
{
    if (spread >= spreadCount(layout))
        return 0;
    return frontmostBefore(layout, 0, pageRefsOfSpread(layout, spread));
}

int32_t nextItemOfSpread(const Layout& layout, int32_t item)
{
    const Item* found = layout.items().find(item);
    const std::optional<int32_t> pageRef = found ? found->pageRef() : layout.items().pageOfRemoved(item);
    const std::optional<size_t> spread = pageRef ? spreadOfPage(layout, *pageRef) : std::nullopt;
    if (!spread)
        return 0;
    // A deleted item is no longer in the order, but the items behind it still stand before its reference.
    return frontmostBefore(layout, item, pageRefsOfSpread(layout, *spread));
}

bool deleteItem(Layout& layout, int32_t item)
{
    Item* found = layout.items().find(item);
    if (!found)
        return false;
    forgetShown(layout, item);
    if (found->groupRole() != GroupRole::Selection)
        return layout.items().remove(item);
    // The pseudo-group stands for the selected items: they go, and it with them.
    for (int32_t member : std::vector<int32_t>(found->members()))
        layout.items().remove(member);
    layout.items().remove(item);
    return true;
}

} // namespace host::model
