// The Amplex9 module's two exports.
#include "amplex/resources/resources.h"
#include "amplex/startup/description.h"
#include "foundation/plugin/skeleton.h"

XT_DEFINE_PLUGIN(amplex::kAmplexDescription, amplex::kAmplexResources);
