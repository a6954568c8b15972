// The Amplex9 module's two exports.
#include "amplex/description.h"
#include "amplex/resources.h"
#include "foundation/skeleton.h"

XT_DEFINE_PLUGIN(amplex::kAmplexDescription, amplex::kAmplexResources);
