// The registration functions of the host's operations, one per area; each adds its operations to the registry.
#pragma once

#include "host/api/registry.h"

namespace host::api {

void registerMemoryOperations(OperationRegistry& registry);
void registerFileOperations(OperationRegistry& registry);
void registerResourceOperations(OperationRegistry& registry);
void registerErrorOperations(OperationRegistry& registry);
void registerCursorOperations(OperationRegistry& registry);
void registerMenuOperations(OperationRegistry& registry);
void registerDocumentOperations(OperationRegistry& registry);
void registerWindowOperations(OperationRegistry& registry);
void registerTextOperations(OperationRegistry& registry);
/// XfuOp4952 and the font-name service.
void registerFontOperations(OperationRegistry& registry);

/// Every area's registration; a new area adds its one line here.
void registerAllOperations(OperationRegistry& registry);

} // namespace host::api
