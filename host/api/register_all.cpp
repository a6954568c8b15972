// The list of the host's operation areas; a new area adds one line.
#include "host/api/amplex_ops.h"
#include "host/api/operations.h"

namespace host::api {

void registerAllOperations(OperationRegistry& registry)
{
    registerMemoryOperations(registry);
    registerFileOperations(registry);
    registerResourceOperations(registry);
    registerErrorOperations(registry);
    registerCursorOperations(registry);
    registerMenuOperations(registry);
    registerDocumentOperations(registry);
    registerWindowOperations(registry);
    registerTextOperations(registry);
    registerPaletteOps(registry);
    registerCurrentItemOps(registry);
    registerResourceQueryOps(registry);
}

} // namespace host::api
