// Copying pages and items between layouts.
#include "host/model/pages/page_copy.h"

#include <map>
#include <optional>

#include "host/model/clipboard.h"
#include "host/model/colours/colour_copy.h"
#include "host/model/layers/layer_edits.h"
#include "host/model/spread_layout.h"

namespace host::model {
namespace {

/// Brings colour and layer numbers of the source over to the destination, each looked up once.
class Translation {
public:
    Translation(const Layout& source, Layout& destination) : m_source(source), m_destination(destination) {}

    int16_t colour(int16_t id)
    {
        if (&m_source == &m_destination)
            return id;
        const auto found = m_colours.find(id);
        if (found != m_colours.end())
            return found->second;
        // A colour the destination cannot take prints in black rather than in whatever number it had.
        const int16_t copied = copyColourByName(m_source.colours(), id, m_destination.colours()).value_or(xt::kBlackColour);
        m_colours.emplace(id, copied);
        return copied;
    }

    int32_t layer(int32_t id)
    {
        if (&m_source == &m_destination)
            return id;
        const Layer* from = m_source.layers().find(id);
        if (!from || id == kDefaultLayer)
            return kDefaultLayer;
        if (const Layer* there = m_destination.layers().findByName(from->name))
            return there->id;
        const auto made = m_destination.layers().create(from->name);
        if (!made)
            return kDefaultLayer;
        m_destination.layers().setVisible(*made, from->visible);
        m_destination.layers().setLocked(*made, from->locked);
        return *made;
    }

    void apply(ItemSnapshot& snapshot)
    {
        snapshot.record.frameColour = colour(snapshot.record.frameColour);
        snapshot.record.backgroundColour = colour(snapshot.record.backgroundColour);
        if (snapshot.kind == xt::BoxKind::Picture)
            snapshot.record.content.picture.colour = colour(snapshot.record.content.picture.colour);
        snapshot.layer = layer(snapshot.layer);
        if (snapshot.text) {
            for (auto& run : snapshot.text->characterRuns)
                run.second.colour = colour(run.second.colour);
            for (auto& run : snapshot.text->paragraphRuns) {
                run.second.ruleAbove.colour = colour(run.second.ruleAbove.colour);
                run.second.ruleBelow.colour = colour(run.second.ruleBelow.colour);
            }
        }
        for (ItemSnapshot& member : snapshot.members)
            apply(member);
    }

private:
    const Layout& m_source;
    Layout& m_destination;
    std::map<int16_t, int16_t> m_colours;
};

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

struct PageCopy {
    PageSize size;
    xt::FixedPoint origin;
    std::vector<ItemSnapshot> items;
    /// The page's own ruler guides, in the page's coordinates, so they hold on any page.
    std::vector<std::pair<GuideKind, xt::GuideEntry>> guides;
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

bool copyPages(const Layout& source, Layout& destination, const std::vector<size_t>& pages, size_t after)
{
    if (pages.empty() || after > destination.pageCount())
        return false;
    std::vector<PageCopy> copies;
    for (size_t index : pages) {
        if (index >= source.pageCount())
            return false;
        PageCopy copy{source.page(index).size(), originOf(source, {PageList::Document, index}), {}, pageGuidesOf(source, index)};
        for (int32_t ref : source.items().topLevelOnPage(source.page(index).ref())) {
            if (auto snapshot = snapshotOf(source.items(), source.stories(), ref))
                copy.items.push_back(std::move(*snapshot));
        }
        copies.push_back(std::move(copy));
    }
    for (size_t i = 0; i < copies.size(); ++i)
        destination.insertPage(after + i, copies[i].size);
    Translation translation(source, destination);
    for (size_t i = 0; i < copies.size(); ++i) {
        for (const ItemSnapshot& snapshot : copies[i].items)
            place(destination, translation, snapshot, after + i, copies[i].origin);
        placeGuides(destination, after + i, copies[i]);
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
