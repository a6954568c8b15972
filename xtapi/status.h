// Status words returned across the host boundary.
#pragma once

#include <cstdint>

namespace xt {

inline constexpr int32_t kStatusOk = 0;
/// The plug-in refuses to load, or a set-up step failed.
inline constexpr int32_t kStatusRefused = 0x51000401;
/// The host's registration record does not carry the expected version words.
inline constexpr int32_t kStatusRecordMismatch = 0x5100040F;

/// File operations report the end of a file with this status.
inline constexpr int16_t kStatusEndOfFile = -39;

} // namespace xt
