// Layers and the items on them.
#include "host/model/layers/layer_edits.h"

namespace host::model {
namespace {

void setLayerDeep(ItemStore& items, Item& item, int32_t layer)
{
    item.setLayer(layer);
    for (int32_t member : item.members()) {
        if (Item* found = items.find(member))
            setLayerDeep(items, *found, layer);
    }
}

std::vector<int32_t> pageRefs(const Layout& layout)
{
    std::vector<int32_t> refs;
    for (const Page& page : layout.pages())
        refs.push_back(page.ref());
    for (size_t i = 0; i < layout.masters().pageCount(); ++i)
        refs.push_back(layout.masters().page(i).ref());
    return refs;
}

} // namespace

bool makeLayerCurrent(Layout& layout, int32_t layer)
{
    if (!layout.layers().makeCurrent(layer))
        return false;
    layout.items().setNewItemLayer(layer);
    return true;
}

bool assignLayer(Layout& layout, int32_t item, int32_t layer)
{
    Item* found = layout.items().find(item);
    if (!found || found->parent() != 0 || !layout.layers().find(layer))
        return false;
    setLayerDeep(layout.items(), *found, layer);
    return true;
}

std::vector<int32_t> itemsOnLayer(const Layout& layout, int32_t layer)
{
    std::vector<int32_t> out;
    for (int32_t page : pageRefs(layout)) {
        for (int32_t ref : layout.items().topLevelOnPage(page)) {
            const Item* item = layout.items().find(ref);
            if (item && item->layer() == layer)
                out.push_back(ref);
        }
    }
    return out;
}

bool deleteLayer(Layout& layout, int32_t layer, int32_t destination)
{
    if (layer == kDefaultLayer || !layout.layers().find(layer) || destination == layer)
        return false;
    if (destination != kDeleteLayerItems && !layout.layers().find(destination))
        return false;
    for (int32_t ref : itemsOnLayer(layout, layer)) {
        if (destination == kDeleteLayerItems) {
            layout.items().remove(ref);
            continue;
        }
        if (Item* item = layout.items().find(ref))
            setLayerDeep(layout.items(), *item, destination);
    }
    layout.layers().remove(layer);
    layout.items().setNewItemLayer(layout.layers().current());
    return true;
}

bool isShown(const Layout& layout, const Item& item)
{
    const Layer* layer = layout.layers().find(item.layer());
    return !layer || layer->visible;
}

} // namespace host::model
