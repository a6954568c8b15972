// The placeholder text that fills an empty text box, kept as the module's "TXET" 20000 resource.
#pragma once

#include <cstddef>

namespace mockum {

/// 4,827 bytes of Latin filler, six paragraphs each ended by a carriage return (13).
inline constexpr size_t kFillerTextSize = 4827;
extern const char kFillerText[kFillerTextSize + 1];

} // namespace mockum
