// The lookups the operations share: the current layout, its items, where a record came from, the layout of a
// document reference or a window.
#include "host/api/layout_access.h"
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

model::Layout* layoutOfDocument(xt::DocumentRef document)
{
    return context().documents().findByRef(document);
}

model::Layout* layoutShowing(xt::WindowRef window)
{
    auto& documents = context().documents();
    for (size_t p = 0; p < documents.projectCount(); ++p) {
        model::Project& project = documents.project(p);
        for (size_t l = 0; l < project.layoutCount(); ++l) {
            if (project.layout(l).items().showsWindow(window))
                return &project.layout(l);
        }
    }
    return nullptr;
}

} // namespace host::api
