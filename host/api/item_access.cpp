// The lookups the item operations share: the current layout, its items, and where a record came from.
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

} // namespace host::api
