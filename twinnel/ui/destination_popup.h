// The destination popup: the seven fixed entries, then a separator and the other open layouts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace twinnel {

/// "project : layout", as the popup names another open layout.
std::string openLayoutLabel(const std::string& project, const std::string& layout);

/// Fills the popup of the dialog whose callback runs; the other open layouts, in the order listed.
std::vector<int16_t> FillDestinationPopup(int16_t current);

} // namespace twinnel
