// Colours that travel from one layout to another with the pages, items or text that use them.
#pragma once

#include <cstdint>
#include <optional>

#include "host/model/colours/colour_table.h"

namespace host::model {

/// The number in `to` of colour `id` of `from`: the colour of the same name when `to` has one (its
/// own value kept), else a copy of the colour added to `to`. xt::kNoColour stays itself. Empty when
/// `from` has no such colour or `to` has no number left.
std::optional<int16_t> copyColourByName(const ColourTable& from, int16_t id, ColourTable& to);

} // namespace host::model
