// Amplex's one data block: the marker that says a linked story has been scaled through another box
// of its chain.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace amplex {

/// "VRN1": the linked-text marker.
inline constexpr xt::FourLetterCode kTextDoneId = xt::fourCC("VRN1");

/// The linked-text marker's bytes. Readers only ask whether it is there.
struct TextDoneMarker {
    char text[8];             // "textdone", no length byte
    uint8_t terminator;       // 0
    uint8_t reserved[11];     // zeros
};
static_assert(sizeof(TextDoneMarker) == 20);
static_assert(offsetof(TextDoneMarker, terminator) == 8);
static_assert(offsetof(TextDoneMarker, reserved) == 9);

/// Puts the marker on `box`; a box the host cannot give memory for goes without it.
void markTextDone(int32_t box);

/// Whether the current box carries the marker.
bool currentBoxIsTextDone();

/// Takes the marker off the current box.
void clearTextDoneOnCurrentBox();

} // namespace amplex
