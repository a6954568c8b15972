// The registration function of every operation area listed in operation_areas.def, and the one call
// that registers them all.
#pragma once

#include "host/api/registry.h"

namespace host::api {

#define XT_HOST_AREA(function) void function(OperationRegistry& registry);
#include "host/api/operation_areas.def"
#undef XT_HOST_AREA

/// Every area of operation_areas.def, in its order.
void registerAllOperations(OperationRegistry& registry);

} // namespace host::api
