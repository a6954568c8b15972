// The drop-shadow component "QFAU" that a plug-in finds by code: its table slots and its record.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace xt {

inline constexpr FourLetterCode kDropShadowComponent = fourCC("QFAU");

/// An item's drop shadow. Only the two offsets have a fixed place; the host keeps the rest.
struct DropShadowRecord {
    Fixed offsetAcross;
    uint8_t hostData4[4];
    Fixed offsetDown;
    uint8_t hostData12[20];
};
static_assert(offsetof(DropShadowRecord, offsetAcross) == 0);
static_assert(offsetof(DropShadowRecord, offsetDown) == 8);
static_assert(sizeof(DropShadowRecord) == 32);

/// The component's table holds one operation per 32-bit slot of the host's table, so an operation
/// at byte offset n of that table sits at slot n / 4 here.
enum DropShadowSlot : int32_t {
    SetDropShadowSlot = 3,  // byte 12
    GetDropShadowSlot = 4,  // byte 16
};
inline constexpr int32_t kDropShadowSlotCount = 5;

/// Both return 0, or nonzero when the item has no shadow to read or write.
using GetDropShadowFn = int32_t (*)(int32_t item, DropShadowRecord* record);
using SetDropShadowFn = int32_t (*)(int32_t item, const DropShadowRecord* record);

} // namespace xt
