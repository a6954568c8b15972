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

/// Brings `composition` up to date after a change, composing again only from the paragraph the change
/// touches: the text and attributes of [0, unchangedText) and the frames of the first `unchangedBoxes`
/// boxes are as they were when it was composed. The result equals compose(story, frames).
void recompose(Composition& composition, const Story& story, const std::vector<TextFrame>& frames, int32_t unchangedText,
    size_t unchangedBoxes);

} // namespace host::model
