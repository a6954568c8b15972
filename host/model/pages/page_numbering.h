// Page numbers as a user reads them: arabic, roman or letters, each written and read back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace host::model {

/// The numbering formats a section can use; the numbers are those the plug-ins pass (XsqOp4977).
enum class NumberFormat : uint8_t {
    Arabic = 1,       // 1, 2, 3
    UpperRoman = 2,   // I, II, III
    LowerRoman = 3,   // i, ii, iii
    UpperLetters = 4, // A .. Z, AA .. ZZ, AAA
    LowerLetters = 5, // a .. z, aa .. zz, aaa
};

std::optional<NumberFormat> numberFormatOf(int32_t code);

/// Roman numerals stop at 3999; a larger number in a roman format is written in arabic digits.
std::string formatPageNumber(int32_t number, NumberFormat format);

/// The number a text names in a format, or nullopt when the text is not a number of that format.
std::optional<int32_t> parsePageNumber(std::string_view text, NumberFormat format);

} // namespace host::model
