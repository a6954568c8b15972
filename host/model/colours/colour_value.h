// A colour's value (its model and components) and the host's conversions between RGB, HSB and CMYK.
// Components run from 0 to 0xFFFF; a hue goes once round the circle from 0 to 0xFFFF, so 0xFFFF is
// the same hue as 0.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "xtapi/colour_records.h"
#include "xtapi/types.h"

namespace host::model {

enum class ColourModel : uint8_t { Rgb, Cmyk };

using Rgb = std::array<uint16_t, 3>;  // red, green, blue
using Hsb = std::array<uint16_t, 3>;  // hue, saturation, brightness
using Cmyk = std::array<uint16_t, 4>; // cyan, magenta, yellow, black

/// The model of a contract code (xt::kRgbColourModel, xt::kCmykColourModel); empty for another code.
std::optional<ColourModel> colourModelOf(xt::FourLetterCode code);
xt::FourLetterCode colourModelCode(ColourModel model);

Hsb rgbToHsb(const Rgb& rgb);
Rgb hsbToRgb(const Hsb& hsb);
/// Black takes what the three inks share, so a grey is printed in black alone.
Cmyk rgbToCmyk(const Rgb& rgb);
Rgb cmykToRgb(const Cmyk& cmyk);

class ColourValue {
public:
    static ColourValue rgb(const Rgb& components) { return {ColourModel::Rgb, {components[0], components[1], components[2], 0}}; }
    static ColourValue cmyk(const Cmyk& components) { return {ColourModel::Cmyk, components}; }
    /// The value a specification holds, or empty when its model is not one the host knows.
    static std::optional<ColourValue> fromSpecification(const xt::ColourSpecification& specification);

    ColourModel model() const { return m_model; }
    /// The components in the colour's own model (RGB uses the first three; the fourth is 0).
    const std::array<uint16_t, 4>& components() const { return m_components; }
    xt::ColourSpecification specification() const;

    Rgb asRgb() const;
    Cmyk asCmyk() const;
    /// The colour printed at a shade (1.0 the full colour, 0 none of it), as it shows on screen.
    Rgb shownAt(xt::Fixed shade) const;

    bool operator==(const ColourValue&) const = default;

private:
    ColourValue(ColourModel model, std::array<uint16_t, 4> components) : m_model(model), m_components(components) {}

    ColourModel m_model;
    std::array<uint16_t, 4> m_components;
};

} // namespace host::model
