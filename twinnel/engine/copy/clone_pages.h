// The listed pages copied into a destination layout, with sections, style sheets and colours.
#pragma once

#include "twinnel/engine/clone_run.h"

namespace twinnel {

/// Copies the run's pages into the target in one host call, then makes sections and brings style
/// sheets and colours as the settings ask. The source is current again afterwards.
void ClonePages(const CloneRun& run, const Target& target);

/// Copies the run's pages into a new project made for them (the split's step): its blank first page
/// goes, sections as asked, the project's own style sheets replaced by the source's when asked.
void clonePagesIntoNew(const CloneRun& run, xt::DocumentRef source, const std::vector<int>& pages, const Target& target);

} // namespace twinnel
