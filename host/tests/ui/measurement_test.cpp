// Measurements typed into fields and shown in them: text to Fixed values and back, per unit.
#include <gtest/gtest.h>

#include "host/ui/measurement.h"
#include "xtapi/dialogs.h"

namespace host_tests {
namespace {

using host::ui::formatMeasurement;
using host::ui::parseMeasurement;

constexpr xt::Fixed points(double value)
{
    return static_cast<xt::Fixed>(value * 65536.0 + (value < 0 ? -0.5 : 0.5));
}

TEST(MeasurementTest, TextReadsIntoFixedValuesOfTheFieldsUnit)
{
    struct Case {
        const char* text;
        int32_t unit;
        std::optional<xt::Fixed> value;
    };
    const Case cases[] = {
        {"12", xt::UnitHorizontal, points(12)},
        {" 12.5 pt ", xt::UnitVertical, points(12.5)},
        {"1 in", xt::UnitHorizontal, points(72)},
        {"0.5\"", xt::UnitHorizontal, points(36)},
        {"10 mm", xt::UnitPoints, points(10 * 72 / 25.4)},
        {"2cm", xt::UnitPoints, points(2 * 72 / 2.54)},
        {"3p", xt::UnitTextSize, points(36)},
        {"2p6", xt::UnitLeading, points(30)},
        {"-4.25", xt::UnitHorizontal, points(-4.25)},
        {"+4", xt::UnitHorizontal, points(4)},
        {"75%", xt::UnitPercent, 0xC000},
        {"75", xt::UnitPercent, 0xC000},          // a bare number in a percent field is a percentage
        {"1%", xt::UnitPercent, 0x28F},
        {"3", xt::UnitPlainNumber, points(3)},
        {"", xt::UnitHorizontal, std::nullopt},
        {"pt", xt::UnitHorizontal, std::nullopt},
        {"12 px", xt::UnitHorizontal, std::nullopt},   // no such unit
        {"50%", xt::UnitHorizontal, std::nullopt},     // a percentage is no length
        {"5 pt", xt::UnitPercent, std::nullopt},
        {"3 pt", xt::UnitPlainNumber, std::nullopt},
        {"40000", xt::UnitHorizontal, std::nullopt},   // beyond what a Fixed holds
        {"500 in", xt::UnitHorizontal, std::nullopt},  // 36000 pt
        {"1e3", xt::UnitHorizontal, std::nullopt},     // no exponents
        {"nan", xt::UnitHorizontal, std::nullopt},
        {"-2p6", xt::UnitHorizontal, std::nullopt},
        {"12", 0x42, std::nullopt},                    // an unknown unit
        {"36 pt", xt::UnitLength, points(36)},
        {"0.5 in", xt::UnitLength, points(36)},
        {"16383", xt::UnitWholeNumber, points(16383)},
        {"2.0", xt::UnitWholeNumber, points(2)},
        {"2.5", xt::UnitWholeNumber, std::nullopt},    // page numbers and counts take no fraction
        {"2 pt", xt::UnitWholeNumber, std::nullopt},
        {"45", xt::UnitDegrees, points(45)},
        {"45\xC2\xB0", xt::UnitDegrees, points(45)},   // the degree sign in UTF-8
        {"12.5\xB0", xt::UnitDegrees, points(12.5)},    // and as the 8-bit Windows character
        {"90 deg", xt::UnitDegrees, points(90)},
        {"45%", xt::UnitDegrees, std::nullopt},
        {"7", xt::UnitText, points(7)},                 // a text field read as a number
        {"seven", xt::UnitText, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseMeasurement(c.text, c.unit), c.value) << '"' << c.text << "\" unit " << c.unit;
}

TEST(MeasurementTest, ValuesShowAsTheFieldsUnitWrites)
{
    struct Case {
        xt::Fixed value;
        int32_t unit;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {points(10), xt::UnitHorizontal, "10 pt"},
        {points(10.5), xt::UnitVertical, "10.5 pt"},
        {points(1.0 / 3), xt::UnitHorizontal, "0.333 pt"},
        {points(-2), xt::UnitHorizontal, "-2 pt"},
        {0xC000, xt::UnitPercent, "75%"},
        {0x28F, xt::UnitPercent, "1%"},
        {points(12), xt::UnitPlainNumber, "12"},
        {0, xt::UnitPlainNumber, "0"},
        {points(1), 0x42, std::nullopt},
        {points(36), xt::UnitLength, "36 pt"},
        {points(3), xt::UnitWholeNumber, "3"},
        {points(2.6), xt::UnitWholeNumber, "3"},
        {points(22.5), xt::UnitDegrees, "22.5"},
        {points(1000), xt::UnitText, "1000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatMeasurement(c.value, c.unit), c.text) << c.value << " unit " << c.unit;
}

TEST(MeasurementTest, WhatAFieldShowsReadsBackToTheSameValue)
{
    const xt::Fixed values[] = {0, 1, points(0.5), points(612), points(-17.25), 0x7FFF0000};
    for (int32_t unit : {xt::UnitHorizontal, xt::UnitPlainNumber, xt::UnitLength, xt::UnitDegrees, xt::UnitText}) {
        for (xt::Fixed value : values) {
            const auto text = formatMeasurement(value, unit);
            ASSERT_TRUE(text);
            const auto read = parseMeasurement(*text, unit);
            ASSERT_TRUE(read) << *text;
            // Three decimals of a point are within 1/2000 pt of the value.
            EXPECT_NEAR(*read, value, 33) << *text;
        }
    }
}

} // namespace
} // namespace host_tests
