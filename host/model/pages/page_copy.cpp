// Copying pages and items between layouts.
#include "host/model/pages/page_copy.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "host/model/clipboard.h"
#include "host/model/layers/layer_edits.h"
#include "host/model/pages/chain_copy.h"
#include "host/model/pages/copy_translation.h"
#include "host/model/pages/table_copy.h"
#include "host/model/spread_layout.h"

namespace host::model {
namespace {

/// A group made again takes the current layer; the snapshot says where it was.
void restoreLayer(ItemStore& items, int32_t ref, const ItemSnapshot& snapshot)
{
    Item* item = items.find(ref);
    if (!item)
        return;
    item->setLayer(snapshot.layer);
    for (size_t i = 0; i < snapshot.members.size() && i < item->members().size(); ++i)
        restoreLayer(items, item->members()[i], snapshot.members[i]);
}

/// A top-level item of a copied page: a table, or anything else.
struct CopiedItem {
    int32_t source = 0;
    std::optional<ItemSnapshot> item;
    std::unique_ptr<TableCopy> table; ///< held apart: few items are tables, and a table's copy is large
};

struct PageCopy {
    PageSize size;
    size_t masterSpread = 0;
    xt::FixedPoint origin;
    std::vector<CopiedItem> items;
    /// The page's own ruler guides, in the page's coordinates, so they hold on any page.
    std::vector<std::pair<GuideKind, xt::GuideEntry>> guides;
    std::optional<SectionStart> section;
    /// A page listed twice is copied twice: each copy of a chain is linked among the copies of its round.
    size_t round = 0;
};

std::vector<std::pair<GuideKind, xt::GuideEntry>> pageGuidesOf(const Layout& layout, size_t index)
{
    std::vector<std::pair<GuideKind, xt::GuideEntry>> out;
    const GuideListKey key{xt::kGuidePageSet, layout.page(index).ref()};
    for (const GuideKind kind : {GuideKind::Vertical, GuideKind::Horizontal}) {
        for (const Guide& guide : layout.guides().guides(key, kind))
            out.emplace_back(kind, guide.entry());
    }
    return out;
}

xt::FixedPoint originOf(const Layout& layout, PageSlot slot)
{
    const xt::PlaceRecord place = placeOf(layout, slot);
    return {place.pageTop, place.pageLeft};
}

int32_t place(Layout& destination, Translation& translation, ItemSnapshot snapshot, size_t page, xt::FixedPoint from)
{
    translation.apply(snapshot);
    const xt::FixedPoint to = originOf(destination, {PageList::Document, page});
    const int32_t ref = rebuild(destination.items(), destination.stories(), snapshot, destination.page(page).ref(),
        to.v - from.v, to.h - from.h);
    restoreLayer(destination.items(), ref, snapshot);
    return ref;
}

/// Guides stand in spread coordinates: they move with the page from its place in the source's spread
/// to its place in the destination's.
void placeGuides(Layout& destination, size_t page, const PageCopy& copy)
{
    const xt::FixedPoint to = originOf(destination, {PageList::Document, page});
    const GuideListKey key{xt::kGuidePageSet, destination.page(page).ref()};
    for (auto [kind, entry] : copy.guides) {
        entry.position += kind == GuideKind::Vertical ? to.h - copy.origin.h : to.v - copy.origin.v;
        destination.guides().add(key, kind, entry);
    }
}

} // namespace

namespace {

CopiedItem copiedItemOf(const Layout& source, int32_t ref)
{
    if (auto table = tableCopyOf(source, ref))
        return {ref, std::nullopt, std::make_unique<TableCopy>(std::move(*table))};
    return {ref, snapshotOf(source.items(), source.stories(), ref), nullptr};
}

PageCopy pageCopyOf(const Layout& source, size_t index, bool keepSections)
{
    const Page& page = source.page(index);
    PageCopy copy{page.size(), page.masterSpread(), originOf(source, {PageList::Document, index}), {},
        pageGuidesOf(source, index), std::nullopt, 0};
    const std::vector<int32_t> onPage = source.items().topLevelOnPage(page.ref());
    // One block for the page's copies: they are large, and growing the list would copy them over and over.
    copy.items.reserve(onPage.size());
    for (int32_t ref : onPage)
        copy.items.push_back(copiedItemOf(source, ref));
    if (const SectionStart* section = keepSections ? source.sections().at(page.ref()) : nullptr)
        copy.section = *section;
    return copy;
}

/// The text boxes among the copied items and their members.
void gatherTextBoxes(const Layout& source, int32_t ref, std::set<int32_t>& boxes)
{
    const Item* item = source.items().find(ref);
    if (!item || item->groupRole() == GroupRole::Table)
        return;
    if (source.stories().isTextBox(ref))
        boxes.insert(ref);
    for (int32_t member : item->members())
        gatherTextBoxes(source, member, boxes);
}

/// Builds one page's copy on destination page `page`, pairing each copied item with its source when
/// `pairs` is given (chains to link among the copies).
void placePage(const Layout& source, Layout& destination, Translation& translation, PageCopy copy, size_t page,
    std::map<int32_t, int32_t>* pairs)
{
    for (CopiedItem& item : copy.items) {
        if (item.table) {
            const xt::FixedPoint to = originOf(destination, {PageList::Document, page});
            rebuildTable(destination, translation, std::move(*item.table), destination.page(page).ref(),
                to.v - copy.origin.v, to.h - copy.origin.h);
            continue;
        }
        if (!item.item)
            continue;
        const int32_t made = place(destination, translation, std::move(*item.item), page, copy.origin);
        if (pairs)
            pairCopies(source.items(), item.source, destination.items(), made, *pairs);
    }
    placeGuides(destination, page, copy);
    if (copy.section)
        destination.sections().start(destination.page(page).ref(), *copy.section);
}

} // namespace

bool copyPages(const Layout& source, Layout& destination, const std::vector<size_t>& pages, size_t after, PageCopyOptions options)
{
    if (pages.empty() || after > destination.pageCount())
        return false;
    std::vector<size_t> rounds;
    std::vector<std::pair<PageSize, size_t>> shapes; // each page's size and master spread
    std::vector<std::set<int32_t>> boxesByRound;
    std::map<size_t, size_t> timesListed;
    for (size_t index : pages) {
        if (index >= source.pageCount())
            return false;
        shapes.emplace_back(source.page(index).size(), source.page(index).masterSpread());
        rounds.push_back(timesListed[index]++);
        if (boxesByRound.size() <= rounds.back())
            boxesByRound.resize(rounds.back() + 1);
        for (int32_t ref : source.items().topLevelOnPage(source.page(index).ref()))
            gatherTextBoxes(source, ref, boxesByRound[rounds.back()]);
    }
    // What is copied is read before anything is added when a layout copies its own pages; from another
    // layout each page is read as it is copied, so that only one page's copy is held at a time.
    const bool sameLayout = &source == &destination;
    std::vector<PageCopy> copies;
    for (size_t i = 0; sameLayout && i < pages.size(); ++i)
        copies.push_back(pageCopyOf(source, pages[i], options.keepSections));
    std::vector<std::vector<ChainCopy>> chainsByRound;
    for (const std::set<int32_t>& boxes : boxesByRound)
        chainsByRound.push_back(chainsOf(source, boxes));

    for (size_t i = 0; i < pages.size(); ++i) {
        // A master the destination lacks (no spread of that number) leaves the copy on the first.
        const auto [size, master] = shapes[i];
        Page& made = destination.insertPage(after + i, size);
        made.setMasterSpread(master < destination.masters().spreadCount() ? master : 0);
    }
    Translation translation(source, destination);
    std::vector<std::map<int32_t, int32_t>> pairsByRound(chainsByRound.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        PageCopy copy = sameLayout ? std::move(copies[i]) : pageCopyOf(source, pages[i], options.keepSections);
        const bool chained = !chainsByRound[rounds[i]].empty();
        placePage(source, destination, translation, std::move(copy), after + i, chained ? &pairsByRound[rounds[i]] : nullptr);
    }
    for (size_t round = 0; round < chainsByRound.size(); ++round)
        relinkChains(destination, chainsByRound[round], pairsByRound[round]);
    return true;
}

bool copyMasterSpread(const Layout& source, size_t spread, Layout& destination)
{
    const MasterPages& from = source.masters();
    if (spread >= from.spreadCount())
        return false;
    while (destination.masters().spreadCount() <= spread)
        destination.masters().addSpread();
    const size_t pages = std::min(from.pagesPerSpread(), destination.masters().pagesPerSpread());
    Translation translation(source, destination);
    for (size_t p = 0; p < pages; ++p) {
        const PageSlot fromSlot{PageList::Masters, spread * from.pagesPerSpread() + p};
        const PageSlot toSlot{PageList::Masters, spread * destination.masters().pagesPerSpread() + p};
        const MasterPage& master = from.page(fromSlot.index);
        MasterPage& made = destination.masters().page(toSlot.index);
        made.setMargins(master.margins());
        made.setColumns(master.columns());
        const GuideListKey fromGuides{xt::kGuidePageSet, master.ref()};
        const GuideListKey toGuides{xt::kGuidePageSet, made.ref()};
        destination.guides().clear(toGuides);
        for (const GuideKind kind : {GuideKind::Vertical, GuideKind::Horizontal}) {
            for (const Guide& guide : source.guides().guides(fromGuides, kind))
                destination.guides().add(toGuides, kind, guide.entry());
        }
        const xt::FixedPoint origin = originOf(source, fromSlot);
        const xt::FixedPoint to = originOf(destination, toSlot);
        for (int32_t ref : source.items().topLevelOnPage(master.ref())) {
            auto snapshot = snapshotOf(source.items(), source.stories(), ref);
            if (!snapshot)
                continue;
            translation.apply(*snapshot);
            const int32_t copy = rebuild(destination.items(), destination.stories(), *snapshot, made.ref(), to.v - origin.v, to.h - origin.h);
            restoreLayer(destination.items(), copy, *snapshot);
        }
    }
    return true;
}

int32_t copyItemToPage(const Layout& source, int32_t item, Layout& destination, size_t page)
{
    const Item* found = source.items().find(item);
    if (!found || found->parent() != 0 || page >= destination.pageCount())
        return 0;
    const auto from = slotOfRef(source, found->pageRef());
    auto snapshot = snapshotOf(source.items(), source.stories(), item);
    if (!from || !snapshot)
        return 0;
    Translation translation(source, destination);
    return place(destination, translation, std::move(*snapshot), page, originOf(source, *from));
}

} // namespace host::model
