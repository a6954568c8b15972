// Splitting the source into projects saved in a folder: one per listed page, or one per layout.
#pragma once

#include <string>

#include "twinnel/engine/clone_run.h"

namespace twinnel {

/// One project per listed page, named after the source project and the page, saved and closed.
void SplitPagesToProjects(const CloneRun& run, const std::string& folder);
/// One project per layout of the source's project, named after the layout, with all its pages.
void SplitLayoutsToProjects(const CloneRun& run, const std::string& folder);

} // namespace twinnel
