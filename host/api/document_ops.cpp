// The current document and document references.
#include "host/api/operation_areas.h"
#include "host/host_context.h"

namespace host::api {
namespace {

/// Writes the current layout's id, or -1 when no document is open.
int32_t GetCurrentDocument(int16_t* id)
{
    if (!id)
        return -1;
    const model::Layout* current = context().documents().current();
    *id = current ? current->id() : int16_t{-1};
    return 0;
}

/// The layout's reference; 0 (no document) for an id that names none.
xt::DocumentRef GetDocumentRef(int16_t id)
{
    const model::Layout* layout = context().documents().findById(id);
    return layout ? layout->ref() : 0;
}

} // namespace

void registerDocumentOperations(OperationRegistry& registry)
{
    registry.add<xt::op::GetCurrentDocument, &GetCurrentDocument>();
    registry.add<xt::op::GetDocumentRef, &GetDocumentRef>();
}

} // namespace host::api
