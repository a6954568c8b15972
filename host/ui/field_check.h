// The host's check of what a user typed into a numeric field: text the field cannot read, or a value outside
// the range the plug-in gave the field, is refused before the field is left or the dialog confirmed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/ui/item_actions.h"
#include "host/ui/window_item.h"

namespace host::ui {

/// What the host tells the user about a field whose typed text it refuses: the text and the values the field
/// takes ("\"abc\" is not a value this field takes. Enter a value between 0 and 1000."); nullopt when the
/// field takes its text, when it is no numeric field, or when the user typed nothing into it (text a plug-in
/// put there is the plug-in's, even outside the range it gave).
std::optional<std::string> fieldRefusal(const WindowItem& field);

/// The values a numeric field takes, as its message names them: "Enter a value between 0% and 400%.".
std::string rangeWords(const FieldFormat& format);

/// Checks the fields in `places` in order; at the first one refused the host shows its message, selects the
/// field's whole text and gives it the focus, and answers the place. Nullopt when every field takes its text.
std::optional<FieldPlace> refuseFirstUnreadable(const std::vector<FieldPlace>& places);

/// The fields of a dialog and of its tab pages that the user typed into: the one with the focus first.
std::vector<FieldPlace> typedFields(xt::WindowRef dialog, std::optional<FieldPlace> focus);

} // namespace host::ui
