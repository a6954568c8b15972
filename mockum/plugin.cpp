// The Mockum9 module's two exports.
#include "foundation/plugin/skeleton.h"
#include "mockum/resources/resources.h"
#include "mockum/startup/description.h"

XT_DEFINE_PLUGIN(mockum::kMockumDescription, mockum::kMockumResources);
