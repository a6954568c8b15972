// The engine's entry points: unlinking, relinking and linking boxes, one box (or group, or selection)
// at a time. Chains run the host's way: the box before a box shows the text before its text.
#pragma once

#include <cstdint>

#include "threadix/settings/link_settings.h"
#include "xtapi/types.h"

namespace threadix {

/// The document a command works on, kept when the command started.
struct WorkPlace {
    xt::DocumentRef document = 0;
    xt::WindowRef window = 0;
};

enum class LinkOutcome : uint8_t {
    Done,
    GroupedBoxes,  ///< a group among the boxes to link in order: the links made before it stay
};

/// Takes the box (each text box of a group or selection) out of its chain as `mode` says. In modes
/// FlowAround and SeparateChains it leaves chain records for a relink: on the box before naming the
/// box, and on the box naming the box after.
void UnlinkBox(const WorkPlace& place, int32_t box, UnlinkMode mode);

/// Links a text box that ends its chain to the box its chain record names, or, without a record, to the
/// nearest text box of about its width. A selection of several boxes is linked in the order chosen.
LinkOutcome RelinkBox(const WorkPlace& place, int32_t box, bool keepText);

/// Links the boxes of a selection (a box of kind Selection) one after the other in the order they were
/// chosen. With `keepText`, each box's text gets a next-box character at its end first, so that each box
/// keeps showing its own text.
LinkOutcome LinkSelectionInOrder(const WorkPlace& place, int32_t selection, bool keepText);

/// The box a relink without a record takes: among the text boxes after `box` (on its spread, then the
/// following spreads), the first whose width is within 16 pt of its own, else the closest of the first
/// few examined; 0 when none is within 5000 pt.
int32_t FindNextChainBox(const WorkPlace& place, int32_t box);

} // namespace threadix
