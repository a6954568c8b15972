// Setting aside what an undone command added (a project, a layout, pages, an item) and putting it back
// for its redo.
#include <optional>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"

namespace host::api {
namespace {

int32_t keep(std::optional<model::Aside> aside, int32_t* number)
{
    if (!aside)
        return -1;
    *number = context().aside().keep(std::move(*aside));
    return 0;
}

int32_t SetDocumentAside(xt::DocumentRef document, int32_t wholeProject, int32_t* number)
{
    model::Layout* layout = layoutOfDocument(document);
    if (!layout || !number)
        return -1;
    auto& documents = context().documents();
    return keep(wholeProject != 0 ? model::setProjectAside(documents, *layout) : model::setLayoutAside(documents, *layout), number);
}

int32_t SetPagesAside(xt::DocumentRef document, int32_t first, int32_t count, int32_t* number)
{
    model::Layout* layout = layoutOfDocument(document);
    if (!layout || !number || first < 1 || count < 1)
        return -1;
    return keep(model::setPagesAside(*layout, static_cast<size_t>(first - 1), static_cast<size_t>(count)), number);
}

int32_t SetItemAside(xt::DocumentRef document, int32_t item, int32_t* number)
{
    model::Layout* layout = layoutOfDocument(document);
    if (!layout || !number)
        return -1;
    return keep(model::setItemAside(*layout, item), number);
}

int32_t PutAsideBack(int32_t number)
{
    std::optional<model::Aside> aside = context().aside().take(number);
    if (!aside)
        return -1;
    if (model::putBack(context().documents(), *aside))
        return 0;
    // Its place is gone (its project was closed): it stays kept under its number, and the caller hears why.
    context().aside().keepAs(number, std::move(*aside));
    return -1;
}

} // namespace

void registerAsideOps(OperationRegistry& registry)
{
    registry.add<xt::op::SetDocumentAside, &SetDocumentAside>();
    registry.add<xt::op::SetPagesAside, &SetPagesAside>();
    registry.add<xt::op::SetItemAside, &SetItemAside>();
    registry.add<xt::op::PutAsideBack, &PutAsideBack>();
}

} // namespace host::api
