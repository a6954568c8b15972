// Measurements as a user types and reads them: text <-> Fixed values in a field's unit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "xtapi/types.h"

namespace host::ui {

/// Reads a measurement typed into a field of `unit` (xt::MeasureUnit). Lengths give points: "12", "12 pt",
/// "1.5 in" (or 1.5"), "10 mm", "2 cm", "2p6" (picas and points), "3p"; percent fields give a ratio
/// ("50%" or "50" -> 0x8000); plain numbers (and text fields read as numbers) give the number; whole-number
/// fields take no fraction ("3", not "3.5"); degree fields take "45", "45°" or "45 deg". Nullopt for text that is no such measurement,
/// for an unknown unit, and for a value a Fixed cannot hold.
std::optional<xt::Fixed> parseMeasurement(std::string_view text, int32_t unit);

/// The text a field of `unit` shows for a value: "10.5 pt", "75%", "12"; nullopt for an unknown unit.
std::optional<std::string> formatMeasurement(xt::Fixed value, int32_t unit);

bool isKnownUnit(int32_t unit);

/// What a field of `unit` takes, as a message names it: "a percentage, such as 75%".
std::string unitWords(int32_t unit);

} // namespace host::ui
