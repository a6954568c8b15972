// Plug-in data kept by the host with its objects (`XtDataBlock`), and Amplex's one block: the
// marker that says a linked story has been scaled through another box of its chain.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace amplex {

/// Which holder a block belongs to.
enum XtDataLevel : int16_t {
    XtDataBox = 0,        // the box's own holder
    XtDataBoxSecond = 1,  // a second holder of the same object
    XtDataPage = 2,       // a page; the object is its page number, from 1
    XtDataDocument = 4,   // the current document
    XtDataGlobal = 6,     // the host's holder that belongs to no document
};

/// A copy of the block under `id`, which the caller frees with DisposeHandle; null when there is
/// none or no holder. An `object` of 0 means the current box (levels 0 and 1).
xt::Handle GetXtData(int32_t object, int16_t level, xt::FourLetterCode id);

/// Stores a copy of `data` under `id`, replacing a block that is there; a null `data` removes it.
/// The caller keeps `data`. Always 0: a holder that cannot be found takes nothing.
int32_t SetXtData(int32_t object, int16_t level, xt::FourLetterCode id, xt::Handle data);

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
