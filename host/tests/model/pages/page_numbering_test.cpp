// Page numbers in each format, written and read back, and what a reader refuses.
#include <gtest/gtest.h>

#include "host/model/pages/page_numbering.h"

namespace host_tests {
namespace {

using host::model::NumberFormat;

struct NumberCase {
    int32_t number;
    NumberFormat format;
    const char* text;
};

constexpr NumberCase kNumbers[] = {
    {1, NumberFormat::Arabic, "1"},
    {42, NumberFormat::Arabic, "42"},
    {4, NumberFormat::UpperRoman, "IV"},
    {1994, NumberFormat::UpperRoman, "MCMXCIV"},
    {9, NumberFormat::LowerRoman, "ix"},
    {4000, NumberFormat::LowerRoman, "4000"}, // past the roman range: digits
    {1, NumberFormat::UpperLetters, "A"},
    {26, NumberFormat::UpperLetters, "Z"},
    {27, NumberFormat::UpperLetters, "AA"},
    {28, NumberFormat::LowerLetters, "bb"},
    {53, NumberFormat::UpperLetters, "AAA"},
};

TEST(PageNumbering, NumbersAreWrittenInTheirFormatAndReadBack)
{
    for (const NumberCase& c : kNumbers) {
        EXPECT_EQ(host::model::formatPageNumber(c.number, c.format), c.text) << c.number;
        EXPECT_EQ(host::model::parsePageNumber(c.text, c.format), c.number) << c.text;
    }
}

struct RefusedCase {
    const char* text;
    NumberFormat format;
};

constexpr RefusedCase kRefused[] = {
    {"", NumberFormat::Arabic},
    {"0", NumberFormat::Arabic},
    {"3-", NumberFormat::Arabic},
    {"-3", NumberFormat::Arabic},
    {"99999999", NumberFormat::Arabic}, // too long
    {"IIII", NumberFormat::UpperRoman},  // not the way the number is written
    {"iv", NumberFormat::UpperRoman},    // wrong case for the format
    {"IC", NumberFormat::UpperRoman},
    {"12", NumberFormat::UpperRoman},    // digits stand only for numbers past the roman range
    {"AB", NumberFormat::UpperLetters},  // letters repeat, they do not mix
    {"a1", NumberFormat::LowerLetters},
};

TEST(PageNumbering, TextThatIsNoNumberOfTheFormatIsRefused)
{
    for (const RefusedCase& c : kRefused)
        EXPECT_FALSE(host::model::parsePageNumber(c.text, c.format)) << c.text;
}

TEST(PageNumbering, FormatCodesOutsideOneToFiveAreRefused)
{
    EXPECT_FALSE(host::model::numberFormatOf(0));
    EXPECT_FALSE(host::model::numberFormatOf(6));
    EXPECT_FALSE(host::model::numberFormatOf(-1));
    EXPECT_EQ(host::model::numberFormatOf(3), NumberFormat::LowerRoman);
}

} // namespace
} // namespace host_tests
