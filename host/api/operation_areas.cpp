// Registers every operation area of operation_areas.def.
#include "host/api/operation_areas.h"

namespace host::api {

void registerAllOperations(OperationRegistry& registry)
{
#define XT_HOST_AREA(function) function(registry);
#include "host/api/operation_areas.def"
#undef XT_HOST_AREA
}

} // namespace host::api
