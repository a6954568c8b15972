// Threadix's own warning box, titled "VORNE Threadix".
#pragma once

#include <string>

namespace threadix {

inline constexpr char kLinkWarningTitle[] = "VORNE Threadix";

void ShowLinkWarning(const std::string& text);

} // namespace threadix
