// The host's colour conversions as the plug-ins call them: known values, and values that come back
// where they started after a trip there and back.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "host/tests/colour_fixture.h"

namespace host_tests {
namespace {

using Three = std::array<uint16_t, 3>;
using Four = std::array<uint16_t, 4>;

class ColourConversionTest : public HostTest {
protected:
    Three hsbOf(Three rgb)
    {
        Three hsb{};
        hostOp<xt::op::RgbToHsb>()(rgb.data(), hsb.data());
        return hsb;
    }
    Three rgbOfHsb(Three hsb)
    {
        Three rgb{};
        hostOp<xt::op::HsbToRgb>()(hsb.data(), rgb.data());
        return rgb;
    }
    Four cmykOf(Three rgb)
    {
        Four cmyk{};
        hostOp<xt::op::RgbToCmyk>()(rgb.data(), cmyk.data());
        return cmyk;
    }
    Three rgbOfCmyk(Four cmyk)
    {
        Three rgb{};
        hostOp<xt::op::CmykToRgb>()(cmyk.data(), rgb.data());
        return rgb;
    }
};

constexpr uint16_t kFull = 0xFFFF;

TEST_F(ColourConversionTest, KnownColoursConvertToTheirKnownValues)
{
    struct Case {
        const char* what;
        Three rgb;
        Three hsb;
        Four cmyk;
    };
    // The hue goes once round from 0 to 0xFFFF: a sixth of the circle between neighbouring primaries.
    const Case cases[] = {
        {"red", {kFull, 0, 0}, {0, kFull, kFull}, {0, kFull, kFull, 0}},
        {"yellow", {kFull, kFull, 0}, {10923, kFull, kFull}, {0, 0, kFull, 0}},
        {"green", {0, kFull, 0}, {21845, kFull, kFull}, {kFull, 0, kFull, 0}},
        {"cyan", {0, kFull, kFull}, {32768, kFull, kFull}, {kFull, 0, 0, 0}},
        {"blue", {0, 0, kFull}, {43690, kFull, kFull}, {kFull, kFull, 0, 0}},
        {"magenta", {kFull, 0, kFull}, {54613, kFull, kFull}, {0, kFull, 0, 0}},
        {"white", {kFull, kFull, kFull}, {0, 0, kFull}, {0, 0, 0, 0}},
        {"black", {0, 0, 0}, {0, 0, 0}, {0, 0, 0, kFull}},
        {"grey", {0x8000, 0x8000, 0x8000}, {0, 0, 0x8000}, {0, 0, 0, 0x7FFF}}, // black ink alone
        {"dark orange", {0x8000, 0x4000, 0}, {5461, kFull, 0x8000}, {0, 0x8000, kFull, 0x7FFF}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(hsbOf(c.rgb), c.hsb);
        EXPECT_EQ(cmykOf(c.rgb), c.cmyk);
    }
}

TEST_F(ColourConversionTest, PrimariesAndGreysComeBackExactly)
{
    const Three exact[] = {{kFull, 0, 0}, {0, kFull, 0}, {0, 0, kFull}, {kFull, kFull, kFull}, {0, 0, 0}, {0x8000, 0x8000, 0x8000},
        {0x1234, 0x1234, 0x1234}};
    for (const Three& rgb : exact) {
        EXPECT_EQ(rgbOfHsb(hsbOf(rgb)), rgb);
        EXPECT_EQ(rgbOfCmyk(cmykOf(rgb)), rgb);
    }
    EXPECT_EQ(rgbOfHsb({0xFFFF, kFull, kFull}), (Three{kFull, 0, 0})) << "0xFFFF is the same hue as 0";
    EXPECT_EQ(rgbOfCmyk({0, kFull, 0x8000, 0x1000}), (Three{0xEFFF, 0, 0x77FF}));
}

TEST_F(ColourConversionTest, TheComplementOfRedIsCyan)
{
    // The eyedropper's complementary colour: half way round the hue circle, which has an odd number of
    // steps, so the complement lies half a step past cyan.
    Three hsb = hsbOf({kFull, 0, 0});
    hsb[0] = static_cast<uint16_t>((hsb[0] + 0x8000) % 65535);
    const Three rgb = rgbOfHsb(hsb);
    EXPECT_EQ(rgb[0], 0);
    EXPECT_GE(rgb[1], kFull - 6);
    EXPECT_EQ(rgb[2], kFull);
}

TEST_F(ColourConversionTest, AnyColourComesBackWithinAStepOrTwo)
{
    // A hue is one of 0xFFFF steps round the circle, so a saturated colour may land a few units off.
    uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<uint16_t>(seed >> 8);
    };
    for (int i = 0; i < 2000; ++i) {
        const Three rgb{next(), next(), next()};
        const Three viaHsb = rgbOfHsb(hsbOf(rgb));
        const Three viaCmyk = rgbOfCmyk(cmykOf(rgb));
        for (size_t k = 0; k < 3; ++k) {
            ASSERT_LE(std::abs(viaHsb[k] - rgb[k]), 3) << i << ": " << rgb[0] << " " << rgb[1] << " " << rgb[2];
            ASSERT_LE(std::abs(viaCmyk[k] - rgb[k]), 1) << i << ": " << rgb[0] << " " << rgb[1] << " " << rgb[2];
        }
    }
}

} // namespace
} // namespace host_tests
