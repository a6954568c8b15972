// Writes a layout's colours: name, number, model with its components in percent, spot or process.
#include <cmath>

#include "host/model/colours/colours_json.h"
#include "host/model/document_model.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;

uint16_t componentOfPercent(double percent)
{
    return static_cast<uint16_t>(std::lround(percent * 0xFFFF / 100));
}

/// The shortest percentage (whole, then two or more decimals) that reads back as the same component.
Json percentOf(uint16_t component)
{
    const double exact = component * 100.0 / 0xFFFF;
    for (double places : {1.0, 100.0, 10000.0}) {
        const double rounded = std::round(exact * places) / places;
        if (componentOfPercent(rounded) != component)
            continue;
        if (places == 1.0)
            return static_cast<int>(rounded);
        return rounded;
    }
    return exact;
}

Json colourJson(const Colour& colour)
{
    const ColourValue& value = colour.value();
    const size_t count = value.model() == ColourModel::Rgb ? 3 : 4;
    Json components = Json::array();
    for (size_t i = 0; i < count; ++i)
        components.push_back(percentOf(value.components()[i]));
    return {{"name", colour.name()}, {"id", colour.id()}, {value.model() == ColourModel::Rgb ? "rgb" : "cmyk", std::move(components)},
        {"spot", colour.isSpot()}};
}

} // namespace

void writeLayoutColours(const Layout& layout, Json& object)
{
    // A layout with the host's default colours, as they came, needs no list: without one it gets them.
    if (layout.colours().holdsDefaultsOnly())
        return;
    Json colours = Json::array();
    for (const Colour& colour : layout.colours().colours()) {
        if (!colour.isFixed())
            colours.push_back(colourJson(colour));
    }
    object[kColoursKey] = std::move(colours);
}

Json colourReference(const ColourTable& table, int16_t colour)
{
    if (colour == xt::kNoColour)
        return kNoColourName;
    if (const Colour* found = table.find(colour))
        return found->name();
    return colour;
}

} // namespace host::model
