// The conversions, in whole 16-bit components rounded to the nearest, so that a value converted there
// and back comes home within a step or two.
#include "host/model/colours/colour_value.h"

#include <algorithm>
#include <cmath>

namespace host::model {
namespace {

constexpr int64_t kFull = 0xFFFF;
/// The hue circle: 0xFFFF steps, the last one back at 0.
constexpr double kHueCircle = 65535.0;

uint16_t component(double fraction)
{
    return static_cast<uint16_t>(std::lround(std::clamp(fraction, 0.0, 1.0) * kFull));
}

/// a * b / c, rounded to the nearest (c > 0, all in range).
uint16_t scaled(int64_t a, int64_t b, int64_t c)
{
    return static_cast<uint16_t>((a * b + c / 2) / c);
}

double fractionOf(xt::Fixed shade)
{
    return std::clamp(static_cast<double>(shade) / xt::kFixedOne, 0.0, 1.0);
}

} // namespace

std::optional<ColourModel> colourModelOf(xt::FourLetterCode code)
{
    if (code == xt::kRgbColourModel)
        return ColourModel::Rgb;
    if (code == xt::kCmykColourModel)
        return ColourModel::Cmyk;
    return std::nullopt;
}

xt::FourLetterCode colourModelCode(ColourModel model)
{
    return model == ColourModel::Rgb ? xt::kRgbColourModel : xt::kCmykColourModel;
}

Hsb rgbToHsb(const Rgb& rgb)
{
    const int64_t r = rgb[0], g = rgb[1], b = rgb[2];
    const int64_t high = std::max({r, g, b});
    const int64_t low = std::min({r, g, b});
    const int64_t span = high - low;
    if (high == 0 || span == 0)
        return {0, 0, static_cast<uint16_t>(high)};
    double sector = 0; // 0 to 6 round the circle: red, yellow, green, cyan, blue, magenta
    if (high == r)
        sector = static_cast<double>(g - b) / static_cast<double>(span);
    else if (high == g)
        sector = 2 + static_cast<double>(b - r) / static_cast<double>(span);
    else
        sector = 4 + static_cast<double>(r - g) / static_cast<double>(span);
    if (sector < 0)
        sector += 6;
    auto hue = static_cast<int64_t>(std::lround(sector / 6 * kHueCircle));
    if (hue >= static_cast<int64_t>(kHueCircle))
        hue -= static_cast<int64_t>(kHueCircle);
    return {static_cast<uint16_t>(hue), scaled(span, kFull, high), static_cast<uint16_t>(high)};
}

Rgb hsbToRgb(const Hsb& hsb)
{
    const double value = hsb[2] / static_cast<double>(kFull);
    const double saturation = hsb[1] / static_cast<double>(kFull);
    const double hue = hsb[0] >= kHueCircle ? 0 : hsb[0] / kHueCircle * 6;
    const int sector = std::min(static_cast<int>(hue), 5);
    const double along = hue - sector;
    const double low = value * (1 - saturation);
    const double falling = value * (1 - saturation * along);
    const double rising = value * (1 - saturation * (1 - along));
    const double table[6][3] = {
        {value, rising, low}, {falling, value, low}, {low, value, rising},
        {low, falling, value}, {rising, low, value}, {value, low, falling},
    };
    return {component(table[sector][0]), component(table[sector][1]), component(table[sector][2])};
}

Cmyk rgbToCmyk(const Rgb& rgb)
{
    const int64_t high = std::max({int64_t{rgb[0]}, int64_t{rgb[1]}, int64_t{rgb[2]}});
    if (high == 0)
        return {0, 0, 0, static_cast<uint16_t>(kFull)};
    Cmyk cmyk{};
    for (size_t i = 0; i < 3; ++i)
        cmyk[i] = scaled(high - rgb[i], kFull, high);
    cmyk[3] = static_cast<uint16_t>(kFull - high);
    return cmyk;
}

Rgb cmykToRgb(const Cmyk& cmyk)
{
    Rgb rgb{};
    for (size_t i = 0; i < 3; ++i)
        rgb[i] = scaled(kFull - cmyk[i], kFull - cmyk[3], kFull);
    return rgb;
}

std::optional<ColourValue> ColourValue::fromSpecification(const xt::ColourSpecification& specification)
{
    const auto model = colourModelOf(specification.model);
    if (!model)
        return std::nullopt;
    const auto* c = specification.components;
    if (*model == ColourModel::Rgb)
        return rgb({c[0], c[1], c[2]});
    return cmyk({c[0], c[1], c[2], c[3]});
}

xt::ColourSpecification ColourValue::specification() const
{
    xt::ColourSpecification specification{};
    specification.model = colourModelCode(m_model);
    std::copy(m_components.begin(), m_components.end(), specification.components);
    return specification;
}

Rgb ColourValue::asRgb() const
{
    if (m_model == ColourModel::Rgb)
        return {m_components[0], m_components[1], m_components[2]};
    return cmykToRgb(m_components);
}

Cmyk ColourValue::asCmyk() const
{
    if (m_model == ColourModel::Cmyk)
        return m_components;
    return rgbToCmyk(asRgb());
}

Rgb ColourValue::shownAt(xt::Fixed shade) const
{
    const double amount = fractionOf(shade);
    if (m_model == ColourModel::Cmyk) {
        Cmyk inks = m_components;
        for (uint16_t& ink : inks)
            ink = static_cast<uint16_t>(std::lround(ink * amount));
        return cmykToRgb(inks);
    }
    Rgb shown = asRgb();
    for (uint16_t& c : shown)
        c = static_cast<uint16_t>(std::lround(kFull - (kFull - c) * amount));
    return shown;
}

} // namespace host::model
