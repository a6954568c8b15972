// The colour operations' lists: a layout's colour table, the application's, or a plug-in's swatch list.
#pragma once

#include <cstdint>

#include "host/api/registry.h"
#include "host/model/document_model.h"

namespace host::api {

/// What a list reference names; at most one of the two is set.
struct ColourList {
    model::ColourTable* table = nullptr;
    model::SwatchList* swatches = nullptr;
};

/// List 0 is the current layout's table, or the application's while no document is open; any other
/// number is the reference of a layout's table, of the application's, or of a swatch list.
ColourList colourListOf(int32_t list);
/// The table list `list` names, or null (for a swatch list too).
model::ColourTable* colourTableOf(int32_t list);
/// A colour being made or edited, else the table's colour; null when the table has neither.
const model::Colour* colourOrDraft(model::ColourTable& table, int16_t colour);
/// The value of a colour or swatch of the list, or null.
const model::ColourValue* colourValueOf(int32_t list, int16_t colour);

} // namespace host::api
