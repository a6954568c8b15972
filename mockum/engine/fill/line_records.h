// The host's line records of a box: where each line of its text starts and whether it fits.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace mockum {

struct LineFacts {
    int32_t start = 0;
    bool fits = true;
};

/// One entry per 76-byte record the layout probe gives for the box (from its first line to the
/// story's end, closing record included); nullopt when the host could not say.
std::optional<std::vector<LineFacts>> readLineRecords(int32_t box);

/// True when the last record marks a line that does not fit; no records means nothing overflows.
bool lastLineOverflows(const std::vector<LineFacts>& lines);

} // namespace mockum
