// The Twinnel8 module's two exports.
#include "foundation/plugin/skeleton.h"
#include "twinnel/resources/resources.h"
#include "twinnel/startup/description.h"

XT_DEFINE_PLUGIN(twinnel::kTwinnelDescription, twinnel::kTwinnelResources);
