// Plug-in data kept by the host with its objects (`XtDataBlock`): finding a block's holder by its level,
// and reading, writing or removing one block under a four-letter id.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace foundation {

/// Which holder a block belongs to.
enum XtDataLevel : int16_t {
    XtDataBox = 0,        // the box's own holder
    XtDataBoxSecond = 1,  // a second holder of the same object
    XtDataPage = 2,       // a page; the object is its page number, from 1
    XtDataDocument = 4,   // the current document
    XtDataGlobal = 6,     // the host's holder that belongs to no document
};

/// What an object of 0 names at the box levels (0 and 1): the current box, or no box at all for the
/// plug-ins that always pass the box they mean.
enum class ZeroObject : uint8_t {
    CurrentBox,
    NoBox,
};

/// The holder of `object` at `level`; 0 when there is none (no such box or page, no current document).
int32_t XtDataHolder(int32_t object, int16_t level, ZeroObject zero = ZeroObject::CurrentBox);

/// A copy of the block under `id`, which the caller frees with DisposeHandle; null when there is
/// none or no holder.
xt::Handle GetXtData(int32_t object, int16_t level, xt::FourLetterCode id, ZeroObject zero = ZeroObject::CurrentBox);

/// Stores a copy of `data` under `id`, replacing a block that is there; a null `data` removes it.
/// The caller keeps `data`. Always 0: a holder that cannot be found takes nothing.
int32_t SetXtData(int32_t object, int16_t level, xt::FourLetterCode id, xt::Handle data,
    ZeroObject zero = ZeroObject::CurrentBox);

} // namespace foundation
