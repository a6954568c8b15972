// Helpers for text tests: ASCII strings as story text (with "\r" for a paragraph end).
#pragma once

#include <string>
#include <string_view>

namespace host_tests {

inline std::u16string text(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

} // namespace host_tests
