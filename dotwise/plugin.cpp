// The Dotwise module's two exports.
#include "dotwise/resources/resources.h"
#include "dotwise/startup/description.h"
#include "foundation/plugin/skeleton.h"

XT_DEFINE_PLUGIN(dotwise::kDotwiseDescription, dotwise::kDotwiseResources);
