// Which fields of the host record go back for each kind and shape of item.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace amplex {

struct FieldSpan {
    uint16_t offset;
    uint16_t size;
};

struct RestoreSet {
    std::vector<FieldSpan> spans;
    /// Bits 0x80 and 0x100 of the flags at 0x26 (a picture's mirroring).
    bool mirrorBits = false;
    /// The outline of a point-list or Bezier item, through its shape data.
    bool shapeData = false;
    /// The story's character and paragraph runs.
    bool text = false;
};

/// The fields to copy back for an item of `kind` and `shape`. A plain or text item of the old
/// rectangle shape 0 goes back like the framed shapes 5 to 9, since the scalers change it like them.
RestoreSet restoreSetFor(int16_t kind, int16_t shape);

} // namespace amplex
