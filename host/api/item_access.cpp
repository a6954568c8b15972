// The lookups the item operations share: the current layout, its items, and page places.
#include "host/api/item_ops.h"
#include "host/host_context.h"

namespace host::api {

model::Layout* currentLayout()
{
    return context().documents().current();
}

model::ItemStore* currentItems()
{
    model::Layout* layout = currentLayout();
    return layout ? &layout->items() : nullptr;
}

model::Item* findItem(int32_t ref)
{
    model::ItemStore* items = currentItems();
    return items ? items->find(ref) : nullptr;
}

model::Layout* layoutOfRecord(const void* record)
{
    auto& documents = context().documents();
    for (size_t p = 0; p < documents.projectCount(); ++p) {
        model::Project& project = documents.project(p);
        for (size_t l = 0; l < project.layoutCount(); ++l) {
            if (project.layout(l).items().records().sourceOf(record))
                return &project.layout(l);
        }
    }
    return nullptr;
}

xt::PlaceRecord placeOfPage(size_t pageIndex)
{
    // Every page is a spread of its own, so the page lies at its spread's origin.
    xt::PlaceRecord place{};
    place.spread = static_cast<int16_t>(pageIndex);
    place.placeInSpread = 0;
    place.pageKey = 0;
    place.pageNumber = static_cast<int16_t>(pageIndex + 1);
    return place;
}

size_t pageIndexOf(const model::Layout& layout, int32_t pageRef)
{
    for (size_t i = 0; i < layout.pageCount(); ++i) {
        if (layout.page(i).ref() == pageRef)
            return i;
    }
    return 0;
}

} // namespace host::api
