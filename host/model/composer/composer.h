// The deterministic composer: flows a story through the columns of its chain of boxes, in order,
// and lays out what does not fit (overset lines) below the last box.
#pragma once

#include <vector>

#include "host/model/composer/composition.h"
#include "host/model/text/story.h"
#include "host/model/text/text_frame.h"

namespace host::model {

/// Composes `story` into `frames`, the frames of its boxes in chain order (at least one).
Composition compose(const Story& story, const std::vector<TextFrame>& frames);

} // namespace host::model
