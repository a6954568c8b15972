// The selected box copied onto pages of a destination, once per copy.
#pragma once

#include "twinnel/engine/clone_run.h"

namespace twinnel {

/// Places copy k (from 0) of the run's box on page to page + k of the target, adding the pages the
/// target lacks after its last one. Only pages that were added and still carry no copy would be
/// removed again, and none are: exactly the pages the copies need are added. False when the pages
/// could not be added. The source and its box are current again afterwards.
bool CloneSelection(const CloneRun& run, const Target& target);

/// Adds `count` pages after the layout's last one.
bool addPagesAtEnd(xt::DocumentRef layout, int32_t count);

} // namespace twinnel
