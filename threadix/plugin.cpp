// The Threadix8 module's two exports.
#include "foundation/plugin/skeleton.h"
#include "threadix/resources/resources.h"
#include "threadix/startup/description.h"

XT_DEFINE_PLUGIN(threadix::kThreadixDescription, threadix::kThreadixResources);
