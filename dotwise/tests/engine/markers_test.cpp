// Number texts in the eight styles, the roll-over of letters, the limits of roman numbers, and which
// paragraph starts count as markers.
#include <gtest/gtest.h>

#include <string>

#include "dotwise/engine/markers.h"

namespace dotwise {
namespace {

struct NumberCase {
    int16_t type;
    int32_t counter;
    const char* text;
};

constexpr NumberCase kNumbers[] = {
    {NumberDecimalPoint, 1, "1"},
    {NumberDecimalParen, 40000, "40000"},  // past the 16-bit range of a Fixed count
    {NumberUpperLetterPoint, 1, "A"},
    {NumberUpperLetterPoint, 26, "Z"},
    {NumberUpperLetterPoint, 27, "A"},     // letters roll over after Z
    {NumberUpperLetterPoint, 28, "B"},
    {NumberLowerLetterPoint, 52, "z"},
    {NumberUpperLetterParen, 53, "A"},
    {NumberLowerLetterParen, 3, "c"},
    {NumberUpperRoman, 1, "I"},
    {NumberUpperRoman, 4, "IV"},
    {NumberUpperRoman, 9, "IX"},
    {NumberUpperRoman, 14, "XIV"},
    {NumberUpperRoman, 1994, "MCMXCIV"},
    {NumberUpperRoman, 3000, "MMM"},       // the largest roman number
    {NumberUpperRoman, 3001, ""},          // past it: no number text
    {NumberUpperRoman, 0, ""},
    {NumberLowerRoman, 2024, "mmxxiv"},
    {NumberLowerRoman, 3888, ""},
};

TEST(NumberTextTest, EachStyleAcrossItsRange)
{
    for (const NumberCase& c : kNumbers)
        EXPECT_EQ(numberText(c.type, c.counter), c.text) << "type " << c.type << " counter " << c.counter;
}

TEST(NumberTextTest, TwentyEightLettersRollOverAfterZ)
{
    std::string letters;
    for (int32_t counter = 1; counter <= 28; ++counter)
        letters += numberText(NumberUpperLetterPoint, counter);
    EXPECT_EQ(letters, "ABCDEFGHIJKLMNOPQRSTUVWXYZAB");
}

TEST(MarkerTextTest, GapHangAndSuffixFollowTheSettings)
{
    ListSettings settings = defaultListSettings();
    EXPECT_EQ(bulletMarker(settings), std::u16string({9, 0x2022, 9, 30}));
    EXPECT_EQ(numberMarker(settings, NumberDecimalParen, 12), std::u16string({9, '1', '2', ')', 9, 30}));
    settings.gapKind = GapEnSpace;
    settings.hangIndents = 0;
    EXPECT_EQ(bulletMarker(settings), std::u16string({0x2022, 160}));
    settings.gapKind = GapSpace;
    EXPECT_EQ(numberMarker(settings, NumberUpperRoman, 3001), u". ");  // the suffix alone past 3000
}

struct MarkerCase {
    const char16_t* text;
    int32_t length;
};

constexpr MarkerCase kMarkers[] = {
    {u"12.\tText", 4},
    {u"\t1.\t\x1EText", 5},
    {u"\t\x2022\t\x1EText", 4},
    {u"\x2022 Text", 2},
    {u"b) Text", 3},
    {u"XIV.\xA0Text", 5},
    {u"iv. Text", 4},
    {u"Dr. Smith", 0},       // a word that ends in a full stop is no marker
    {u"Note) here", 0},
    {u"Hi. there", 0},
    {u"IIII. Text", 0},      // not a roman number Dotwise writes
    {u"Mix. Text", 0},       // mixed case
    {u"\tNo marker", 0},     // a leading tab alone stays
    {u"12.Text", 0},         // no gap after the suffix
    {u"", 0},
    {u"1.", 0},
};

TEST(MarkerLengthTest, OnlyMarkersDotwiseCouldHaveWritten)
{
    for (const MarkerCase& c : kMarkers) {
        const std::u16string text(c.text);
        EXPECT_EQ(markerLength(text, kDefaultBullet), c.length) << std::string(text.begin(), text.end());
    }
}

} // namespace
} // namespace dotwise
