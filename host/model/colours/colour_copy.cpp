// Copying a colour by name: a layout never gets two colours of one name.
#include "host/model/colours/colour_copy.h"

namespace host::model {

std::optional<int16_t> copyColourByName(const ColourTable& from, int16_t id, ColourTable& to)
{
    if (id == xt::kNoColour)
        return id;
    const Colour* colour = from.find(id);
    if (!colour)
        return std::nullopt;
    if (const Colour* same = to.findByName(colour->name()))
        return same->id();
    const auto added = to.add(colour->name(), colour->value(), colour->isSpot() ? Ink::Spot : Ink::Process);
    if (!added)
        return std::nullopt;
    return added.id;
}

} // namespace host::model
