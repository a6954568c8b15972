// The record unlinking leaves on a text box, naming the box it was linked to, so that a relink can
// put the chain back: an 8-byte data block "FRBB" kept with the document.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "xtapi/types.h"

namespace threadix {

inline constexpr xt::FourLetterCode kChainRecordId = xt::fourCC("FRBB");

/// The block's bytes as they lie in the document.
struct ChainRecord {
    uint8_t namesBox;     // 0: nonzero when relatedBox names a box
    uint8_t unused[3];    // 1: always written as zeros
    int32_t relatedBox;   // 4: the host's reference of the box
};
static_assert(sizeof(ChainRecord) == 8);
static_assert(offsetof(ChainRecord, unused) == 1);
static_assert(offsetof(ChainRecord, relatedBox) == 4);

/// The bytes of a record naming `relatedBox`, every byte defined.
std::array<uint8_t, sizeof(ChainRecord)> encodeChainRecord(int32_t relatedBox);

/// The box a stored block names; nullopt for a block of another size, one that names no box, or a
/// reference that cannot be a box (0 or below).
std::optional<int32_t> decodeChainRecord(const void* bytes, size_t size);

/// Puts a record naming `relatedBox` on `box`, replacing the one it had. False when the host could not
/// hold it.
bool StoreChainRecord(int32_t box, int32_t relatedBox);

/// The box named by the record on `box`; nullopt when it has none or a damaged one.
std::optional<int32_t> readChainRecord(int32_t box);

} // namespace threadix
