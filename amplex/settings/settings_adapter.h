// Amplex's settings file calls as the shared preset code takes them.
#pragma once

#include "foundation/presets/presets.h"

namespace amplex {

/// Names the preset folders (strings 20013 and 20014) and hands over the settings file calls.
void configureAmplexPresets();

} // namespace amplex
